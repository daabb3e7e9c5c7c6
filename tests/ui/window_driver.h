// Drives the exercise window through its native window, as a real pointer does.
#pragma once

#include <QtTest>

#include "catalogue.h"
#include "form14.h"
#include "scripted_source.h"

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

    std::unique_ptr<Form14> form;

private:
    ScriptedSource* source_ = nullptr;
};

inline bool showsFace(const Form14& form, QLabel* button, Face face)
{
    return button->pixmap().cacheKey() == form.button(button).face(face).cacheKey();
}

inline QColor background(const QLabel* label) { return label->palette().color(QPalette::Window); }

inline const QColor kMenuNormal(155, 162, 134);
inline const QColor kMenuHighlight(81, 108, 117);

}  // namespace testing_ui

using namespace testing_ui;
