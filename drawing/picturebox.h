#pragma once
// A persistent picture: a white image of a fixed logical size, drawn through a
// canvas (kind() == Picture) and shown by the widget.  The image carries the
// screen's device pixel ratio so that drawings stay sharp at 150 and 200 %.
#include "drawing/canvas.h"

#include <QImage>
#include <QWidget>
#include <memory>

class PainterCanvas;
class QAccessibleInterface;
class QObject;

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(int width, int height, QWidget* parent = nullptr);
    ~PictureBox() override;

    Canvas& canvas();
    // The picture at logical size, for tests.
    QImage image() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage& surface();

    int m_width;
    int m_height;
    QImage m_image;
    std::unique_ptr<PainterCanvas> m_canvas;
};

// The factory that describes a picture box to a screen reader as an image
// named by what it shows; registered at start-up through installAccessibility.
QAccessibleInterface* PictureBoxAccessibleFactory(const QString& className, QObject* object);
