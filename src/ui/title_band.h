#pragma once

#include "ui/colours.h"

#include <QLabel>

class QGroupBox;

namespace zova {

// The maroon strip with white bold text across the top of a window or panel.
class TitleBand : public QLabel {
    Q_OBJECT

public:
    explicit TitleBand(const QString& text = {}, QWidget* parent = nullptr);
};

// A field caption: navy bold text above or beside its field.
QLabel* captionLabel(const QString& text, QWidget* parent = nullptr);
// Marks an existing label as a caption.
void makeCaption(QLabel* label);
// Recolours a caption (red for an inactive holder, navy for an active one ...). Works under the
// program's style sheet, which a palette change alone would not.
void setCaptionColour(QWidget* label, const QColor& colour);
// A record counter's bold navy text ("00012", "DE"); setCaptionColour recolours it and keeps its size.
QLabel* counterLabel(const QString& text, QWidget* parent);

// A count as record counters show it: five digits, "00012".
QString counterText(qint64 count);

// A label showing a value that the program colours or enlarges (total labels, status labels).
void setLabelStyle(QLabel* label, const QColor& colour, int pointSize = 0, bool bold = true);

} // namespace zova
