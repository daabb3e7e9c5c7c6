// What the two pop-ups share: one instance each for the whole run, loaded, opened, dismissed and
// unloaded explicitly, frameless and rounded, with a title strip and a close button whose face
// comes from a store of faces hidden below the window's edge.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <array>

#include "ui/chrome/buttons.h"
#include "ui/chrome/control_mouse.h"

class PopupWindow : public QWidget {
    Q_OBJECT
public:
    // Loading a window that is not loaded puts every control back as designed, centres the window
    // on the screen and rounds it. Loading a loaded window does nothing.
    void load();
    // Loads the window if needed, shows it modeless and brings it forward. A window that was only
    // dismissed comes back where it was.
    void open();
    // Takes the window off the screen and keeps it loaded; an unloaded window is loaded first.
    void dismiss();
    // Takes the window off the screen and discards what it shows; unloading a window that is not
    // loaded does nothing.
    void unload();

signals:
    // F1: the learner asks for the instructions.
    void helpAsked();

public:
    QWidget* titleStrip = nullptr;
    QLabel* title = nullptr;
    chrome::FaceButton* closeButton = nullptr;
    std::array<QLabel*, 3> storedFaces{};  // never seen: they lie below the window's bottom edge

protected:
    PopupWindow(const QColor& background, QSize size);

    void closeEvent(QCloseEvent* event) override;
    // Escape, Enter and Space close the window as its close button does, and give the keyboard
    // back to the window that was active when it was opened; F1 asks for the instructions.
    void keyPressEvent(QKeyEvent* event) override;

    virtual void closeButtonClicked() = 0;
    // Gives the keyboard back to the window that was active when this one was opened.
    void returnToOpener();
    // Puts the window's own controls back as designed.
    virtual void resetControls() = 0;

    // Builds the title strip, `width` wide, with "la conjugació dels verbs." in it.
    void buildTitleStrip(int width);
    // Builds the close button at `at` and the three stored faces at the given places.
    void buildCloseButton(QPoint at, const std::array<QPoint, 3>& storePlaces);
    // A label with the given text colour on a transparent background, top-aligned as designed.
    QLabel* addLabel(const char* name, QRect geometry, const QColor& text, Qt::Alignment alignment);
    // A one-pixel rule from (x1, y) to (x2, y), the end point left out.
    QWidget* addRule(const char* name, int x1, int x2, int y);

    chrome::ControlMouse mouse_;

private:
    // The close button's own face, which it carries until it is given a stored one.
    QPixmap designFace_;
    QPixmap storedFace_;
    QPointer<QWidget> opener_;
    bool loaded_ = false;
};
