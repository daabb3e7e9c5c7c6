// A frame: a thin etched border with its caption set into the top edge.
#pragma once

#include <QWidget>

class FrameBox : public QWidget {
public:
    explicit FrameBox(QWidget* parent = nullptr) : QWidget(parent) {}

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setCaptionColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor captionColor_;
};
