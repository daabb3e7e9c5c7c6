// Drives the exercise window through its native window, as a real pointer does.
#pragma once

#include <QtTest>

#include "catalogue/catalogue.h"
#include "tests/engine/scripted_source.h"
#include "ui/chrome/text.h"
#include "ui/exercise/exercise_window.h"

#include <map>

namespace testing_ui {

using chrome::Face;
using chrome::ToQString;

class Window {
public:
    // A window whose first exercise is `verb` in `tense`; further exercises come from `next`.
    Window(int verb, int tense, std::initializer_list<std::pair<int, int>> next = {}, const Practice& practice = {})
    {
        auto source = std::make_unique<ScriptedSource>();
        source_ = source.get();
        source_->queueExercise(verb, tense);
        for (auto [v, t] : next)
            source_->queueExercise(v, t);
        form = std::make_unique<ExerciseWindow>(std::move(source), practice);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    ~Window()
    {
        if (form)
            form->close();
    }

    QPoint centre(QWidget* control) const { return control->mapTo(form.get(), control->rect().center()); }
    QWindow* handle() const { return form->windowHandle(); }
    void moveTo(QWidget* control, QPoint offset = {}) { QTest::mouseMove(handle(), centre(control) + offset); }
    void moveToWindow(QPoint at) { QTest::mouseMove(handle(), at); }
    void press(QWidget* control, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(handle(), button, {}, centre(control));
    }
    void release(QWidget* control, Qt::MouseButton button = Qt::LeftButton, QPoint offset = {})
    {
        QTest::mouseRelease(handle(), button, {}, centre(control) + offset);
    }
    void click(QWidget* control, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(handle(), button, {}, centre(control));
    }
    void drag(QWidget* from, QWidget* to, Qt::MouseButton button = Qt::LeftButton)
    {
        press(from, button);
        QTest::mouseMove(handle(), centre(from) + QPoint(5, 5));
        moveTo(to);
        release(to, button);
    }
    QStringList items() const
    {
        QStringList texts;
        for (QLabel* item : form->pool)
            texts << item->text();
        return texts;
    }
    QStringList targets() const
    {
        QStringList texts;
        for (QLabel* target : form->targets)
            texts << target->text();
        return texts;
    }
    QLabel* itemShowing(const QString& form) const
    {
        for (QLabel* item : this->form->pool)
            if (item->text() == form)
                return item;
        return nullptr;
    }
    // The pop-ups, found as the learner finds them: among the program's windows. A pop-up is made
    // when it is first shown.
    ScoreWindow& score() const { return *popup<ScoreWindow>("scoreWindow"); }
    InstructionsWindow& presentation() const { return *popup<InstructionsWindow>("instructionsWindow"); }
    bool scoreShown() const { return shown(popup<ScoreWindow>("scoreWindow", false)); }
    bool presentationShown() const { return shown(popup<InstructionsWindow>("instructionsWindow", false)); }
    // Not shown and emptied, or never made.
    bool scoreUnloaded() const { return unloaded(popup<ScoreWindow>("scoreWindow", false)); }
    bool presentationUnloaded() const { return unloaded(popup<InstructionsWindow>("instructionsWindow", false)); }
    // Through the menu, as the learner opens the instructions.
    void openInstructions()
    {
        click(form->menuButton);
        click(form->instructionsEntry);
    }

    std::unique_ptr<ExerciseWindow> form;

private:
    template <typename Popup>
    static Popup* popup(const char* name, bool mustExist = true)
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String(name))
                return static_cast<Popup*>(window);
        if (mustExist)
            qFatal("no window %s", name);
        return nullptr;
    }
    template <typename Popup>
    static bool shown(const Popup* popup)
    {
        return popup && popup->isVisible();
    }
    template <typename Popup>
    static bool unloaded(const Popup* popup)
    {
        return !popup || (!popup->isVisible() && popup->message->text().isEmpty());
    }

    ScriptedSource* source_ = nullptr;
};

// The picture a button shows is the given face of the program's resources.
inline bool showsPicture(const chrome::FaceButton* button, const QString& face)
{
    const QImage expected = QImage(QStringLiteral(":/faces/%1.png").arg(face)).convertToFormat(QImage::Format_ARGB32);
    return button->picture().toImage().convertToFormat(QImage::Format_ARGB32) == expected;
}

inline bool showsFace(const chrome::FaceButton* button, Face face)
{
    static const std::map<QString, QString> faces = {{"scoreButton", "score"},
                                                     {"restartButton", "restart"},
                                                     {"newVerbButton", "new_verb"},
                                                     {"closeButton", "close"},
                                                     {"minimiseButton", "minimise"}};
    static const char* const suffixes[] = {"normal", "hover", "pressed"};
    return showsPicture(button, faces.at(button->objectName()) + QLatin1Char('_') + QLatin1String(suffixes[int(face)]));
}

inline QColor background(const QWidget* control) { return control->palette().color(QPalette::Window); }

inline const QColor kMenuNormal(155, 162, 134);
inline const QColor kMenuHighlight(81, 108, 117);

}  // namespace testing_ui

using namespace testing_ui;
