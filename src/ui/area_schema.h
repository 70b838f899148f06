#pragma once
// The panel "Schema struttura" (PictureSchemaStruttura): the room in which the schema of the
// wall is stretched. When the layers need more width than the room has, it scrolls sideways.

#include <QScrollArea>

namespace paretix::ui {

class PannelloSchema;

// The height of a sideways scroll bar: every panel keeps this strip at its bottom, so that the
// panels are the design above it whether the schema scrolls or not.
int StrisciaScorrimento(const QWidget* w);

class AreaSchema : public QScrollArea {
    Q_OBJECT

  public:
    AreaSchema(PannelloSchema* schema, QWidget* genitore);

    // The design at the platform's scale, with room for the scroll bar under it.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

  protected:
    void resizeEvent(QResizeEvent* evento) override;
    // The room beside and under the schema, and the scroll bar, clear the selection like the
    // schema's background.
    bool event(QEvent* evento) override;
    bool viewportEvent(QEvent* evento) override;
    // The schema scrolls only sideways: the wheel turned either way moves it so.
    void wheelEvent(QWheelEvent* evento) override;

  private:
    PannelloSchema* schema_;
};

} // namespace paretix::ui
