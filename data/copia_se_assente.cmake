# Copies SORGENTE to DESTINAZIONE unless a file is already there: the materials database and the
# climate library beside the program may hold the user's own edits, which must never be
# replaced.
if(NOT EXISTS "${DESTINAZIONE}")
  get_filename_component(cartella "${DESTINAZIONE}" DIRECTORY)
  file(MAKE_DIRECTORY "${cartella}")
  file(COPY_FILE "${SORGENTE}" "${DESTINAZIONE}")
endif()
