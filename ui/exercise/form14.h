// The exercise window: instruction, person rows, the pool of proposed forms, the image buttons
// and the menu. Its handlers call the engine and mirror the board into the labels.
#pragma once

#include <QWidget>

#include <memory>

#include "control_mouse.h"
#include "exercise.h"
#include "faces.h"
#include "form14_layout.h"
#include "form15.h"
#include "form17.h"

class ExerciseAccess;
class LabelDrag;

class Form14 : public QWidget, public Form14Layout {
public:
    // `source` draws the exercises; without one the window uses a clock-seeded generator.
    explicit Form14(std::unique_ptr<engine::UniformSource> source = nullptr);
    ~Form14() override;

    // Handlers.
    void Form_Load();
    void altre1_Click();
    void eva1_Click();
    void rec1_Click();
    void Image1_Click();
    void pica_Click();
    void Label7_Click();
    void MnuObjectif_Click();
    void MnuQuitter_Click();
    void Item_MouseDown(int index, const MouseArgs& args);
    void Réponse_MouseDown(int index, const MouseArgs& args);
    void Item_DragDrop(int index, engine::Slot source);
    void Réponse_DragDrop(int index, engine::Slot source);
    void Item_MouseMove(int index, const MouseArgs& args);
    void Form_MouseMove(const MouseArgs& args);
    void Frame1_MouseMove(const MouseArgs& args);
    void Label5_MouseMove(const MouseArgs& args);
    void Label6_MouseMove(const MouseArgs& args);
    void Label7_MouseMove(const MouseArgs& args);
    void MnuObjectif_MouseMove(const MouseArgs& args);
    void MnuQuitter_MouseMove(const MouseArgs& args);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wireHandlers();
    void dropOn(engine::Slot target, engine::Slot source);
    void closeMenu();

    void wireImageButton(ImageButton& button, std::function<void()> click,
                         std::function<void()> afterHover = {});
    void showBoard();
    void showCaption(engine::Slot slot);
    void generalReset();
    void poolReset();
    void resetMenuColours();
    void unloadPopups();
    void quit();

    std::unique_ptr<engine::UniformSource> source_;
    engine::Exercise exercise_;
    ControlMouse controlEvents_;
    LabelDrag* drag_ = nullptr;
    std::unique_ptr<ExerciseAccess> access_;
    ImageButton evaButton_, recButton_, altreButton_, imgButton_, picButton_;
    // The pop-ups are made when first shown: most exercises never open the instructions, and the
    // exercise window comes up sooner without them.
    std::unique_ptr<Form15> form15_;
    std::unique_ptr<Form17> form17_;
    bool quitting_ = false;
};
