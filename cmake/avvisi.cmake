# Warnings are errors, target by target, so that code built from outside (the test framework,
# the benchmark library) keeps its own flags.
function(paretix_avvisi target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
