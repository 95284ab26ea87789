#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A frame with an etched border and its caption in the top edge; children are placed at
// positions relative to the frame.
class FrameWidget : public QWidget
{
public:
    FrameWidget(const QString& caption, const QColor& background, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QColor m_background;
};
