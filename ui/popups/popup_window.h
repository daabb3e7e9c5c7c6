// What the two pop-ups share: one instance each for the whole run, loaded, shown, hidden and
// unloaded explicitly, frameless and rounded, with a title strip and a close button whose faces
// come from a hidden store.
#pragma once

#include "control_mouse.h"
#include "layout_font.h"

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <array>

class PopupWindow : public QWidget {
    Q_OBJECT
public:
    // Loading a window that is not loaded puts every control back as designed, centres the window
    // on the screen and runs the Load event. Loading a loaded window does nothing.
    void Load();
    // Loads the window if needed, shows it modeless and brings it forward. A window that was only
    // hidden comes back where it was.
    void Show();
    // Takes the window off the screen and keeps it loaded; an unloaded window is loaded first.
    void Hide();
    // Takes the window off the screen and discards what it shows; unloading a window that is not
    // loaded does nothing.
    void Unload();

    // The title strip and its label, the close button and its store of faces.
    QWidget* Picture5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* fmr1 = nullptr;
    std::array<QLabel*, 3> fmr{};

protected:
    PopupWindow(const QColor& background, QSize size);

    void closeEvent(QCloseEvent* event) override;
    // Escape, Enter and Space close the window as its close button does, and give the keyboard
    // back to the window that was active when it was shown.
    void keyPressEvent(QKeyEvent* event) override;
    virtual void fmr1_Click() = 0;

    // Puts the window's own controls back as designed.
    virtual void ResetControls() = 0;
    virtual void Form_Load();

    // Shows a face on the close button; a face already shown is not set again, so nothing repaints.
    void ShowFace(const QLabel* store);

    // Builds the title strip, width wide, with "la conjugació dels verbs." in it.
    void BuildTitleStrip(int width);
    // Builds the close button at (x, y) and the three stored faces at the given places.
    void BuildCloseButton(QPoint at, const std::array<QPoint, 3>& storePlaces);
    // A label with the given text colour on a transparent background, top-aligned as designed.
    QLabel* AddLabel(const char* name, QRect geometry, const QColor& text, Qt::Alignment alignment);
    // A one-pixel rule from (x1, y) to (x2, y), the end point left out.
    QWidget* AddLine(const char* name, int x1, int x2, int y);

    ControlMouse mouse_;

private:
    // The close button's own face, which it carries until a handler gives it a stored one.
    QPixmap designFace_;
    QPixmap storedFace_;
    QPointer<QWidget> opener_;
    bool loaded_ = false;
};
