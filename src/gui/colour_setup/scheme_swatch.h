#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include "core/colour_setup/scheme_swatch_model.h"

namespace motivra {

// The UI swatch of the colour setup: six labelled colour rows, one of which can be selected and recoloured.
// A click on a row selects it, a click on the selected row clears the selection, and dragging with the button
// down moves the selection along. clicked() is emitted once per click, when the button comes up, after the
// selection is settled, so the owner reads GetSelected there.
class SchemeSwatch : public QWidget {
    Q_OBJECT

public:
    explicit SchemeSwatch(QWidget* parent = nullptr);

    // Rows 0..5; other rows are ignored. Both repaint.
    void SetName(int row, const QString& text);
    void SetColour(int row, SchemeColour colour);
    // 0 outside 0..5.
    SchemeColour GetColour(int row) const { return model_.GetColour(row); }
    int GetSelected() const { return model_.GetSelected(); }
    // 0 when no row is selected.
    SchemeColour GetSelectedRowColour() const { return model_.GetSelectedRowColour(); }
    // Only when a row is selected; repaints.
    void SetSelectedRowColour(SchemeColour colour);
    // Re-reads BGColour (around the face) and SelectedColour (the selected row's ring).
    void LoadColours();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int RowAt(const QMouseEvent* event) const;
    void PaintRow(QPainter& painter, int row, int rowHeight) const;

    SchemeSwatchModel model_;
    SchemeColour bgColour_;
    RgbColour selectedColour_;
    QFont font_;
};

}  // namespace motivra
