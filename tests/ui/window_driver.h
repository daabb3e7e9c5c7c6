// Drives the exercise window through its native window, as a real pointer does.
#pragma once

#include <QtTest>

#include "catalogue.h"
#include "form14.h"
#include "scripted_source.h"

#include <map>

namespace testing_ui {

inline QString qstr(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

class Window {
public:
    // A window whose first exercise is `verb` in `tense`; further exercises come from `next`.
    Window(int verb, int tense, std::initializer_list<std::pair<int, int>> next = {})
    {
        auto source = std::make_unique<ScriptedSource>();
        source_ = source.get();
        source_->queueExercise(verb, tense);
        for (auto [v, t] : next)
            source_->queueExercise(v, t);
        form = std::make_unique<Form14>(std::move(source));
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
        for (QLabel* item : form->Item)
            texts << item->text();
        return texts;
    }
    QStringList targets() const
    {
        QStringList texts;
        for (QLabel* target : form->Réponse)
            texts << target->text();
        return texts;
    }
    QLabel* itemShowing(const QString& form) const
    {
        for (QLabel* item : this->form->Item)
            if (item->text() == form)
                return item;
        return nullptr;
    }
    // The pop-ups, found as the learner finds them: among the program's windows. A pop-up is made
    // when it is first shown.
    Form15& score() const { return *popup<Form15>("Form15"); }
    Form17& presentation() const { return *popup<Form17>("Form17"); }
    bool scoreShown() const { return shown(popup<Form15>("Form15", false)); }
    bool presentationShown() const { return shown(popup<Form17>("Form17", false)); }
    // Not shown and emptied, or never made.
    bool scoreUnloaded() const { return unloaded(popup<Form15>("Form15", false)); }
    bool presentationUnloaded() const { return unloaded(popup<Form17>("Form17", false)); }
    // Through the menu, as the learner opens the instructions.
    void openInstructions()
    {
        click(form->Label7);
        click(form->MnuObjectif);
    }

    std::unique_ptr<Form14> form;

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
        return !popup || (!popup->isVisible() && popup->Label2->text().isEmpty());
    }

    ScriptedSource* source_ = nullptr;
};

// The picture a control shows is the given face of the program's resources.
inline bool showsPicture(const QLabel* control, const QString& face)
{
    const QImage expected = QImage(QStringLiteral(":/faces/%1.png").arg(face)).convertToFormat(QImage::Format_ARGB32);
    return control->pixmap().toImage().convertToFormat(QImage::Format_ARGB32) == expected;
}

inline bool showsFace(const Form14&, QLabel* button, Face face)
{
    static const std::map<QString, QString> stores = {
        {"eva1", "eva"}, {"rec1", "rec"}, {"altre1", "altre"}, {"Image1", "img"}, {"pica", "pic"}};
    return showsPicture(button, QStringLiteral("%1_%2").arg(stores.at(button->objectName())).arg(int(face)));
}

inline QColor background(const QLabel* label) { return label->palette().color(QPalette::Window); }

inline const QColor kMenuNormal(155, 162, 134);
inline const QColor kMenuHighlight(81, 108, 117);

}  // namespace testing_ui

using namespace testing_ui;
