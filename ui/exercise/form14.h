// The exercise window: instruction, person rows, the pool of proposed forms, the image buttons
// and the menu. Its handlers call the engine and mirror the board into the labels.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "control_mouse.h"
#include "exercise.h"
#include "form15.h"
#include "form17.h"
#include "frame_box.h"
#include "image_button.h"

class Form14 : public QWidget {
public:
    // `source` draws the exercises; without one the window uses a clock-seeded generator.
    explicit Form14(std::unique_ptr<engine::UniformSource> source = nullptr);
    ~Form14() override;

    const engine::Exercise& exercise() const { return exercise_; }
    Form15& form15() { return form15_; }
    Form17& form17() { return form17_; }
    const ImageButton& button(const QLabel* control) const;
    // While minimised the window has a task-bar entry, so that it can be brought back.
    bool hasTaskBarEntry() const { return taskBarEntry_; }

    // Controls, named as the layout names them.
    QWidget* Picture1;
    QLabel* Label6;
    QLabel* pica;
    QLabel* Image1;
    QLabel* Label5;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* Label8;
    std::array<QLabel*, 6> Label3;
    std::array<QLabel*, 6> Réponse;
    FrameBox* Frame1;
    std::array<QLabel*, 44> Item;
    QLabel* rec1;
    QLabel* eva1;
    QLabel* altre1;
    QLabel* Label3_31;  // the credit line
    QLabel* Label7;
    QWidget* Picture2;
    QLabel* MnuObjectif;
    QLabel* MnuQuitter;

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
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void wireHandlers();
    void wireImageButton(ImageButton& button, std::function<void()> click,
                         std::function<void()> afterHover = {});
    void showBoard();
    void showCaption(engine::Slot slot);
    QLabel* label(engine::Slot slot) const;
    void generalReset();
    void poolReset();
    void resetMenuColours();
    void unloadPopups();
    void setTaskBarEntry(bool entry);
    void quit();

    // The manual drag: a press on a non-empty label starts it, the release drops it.
    void beginDrag(engine::Slot source, QLabel* control, QPoint pressPos);
    void moveDrag(QPoint globalPos);
    void endDrag(QPoint globalPos);
    std::optional<engine::Slot> dropTargetAt(QPoint globalPos) const;

    std::unique_ptr<engine::UniformSource> source_;
    engine::Exercise exercise_;
    ControlMouse controlEvents_;
    ImageButton evaButton_, recButton_, altreButton_, imgButton_, picButton_;
    Form15 form15_;
    Form17 form17_;

    QWidget* dragOutline_ = nullptr;
    std::optional<engine::Slot> dragSource_;
    QPoint dragGrabOffset_;
    bool taskBarEntry_ = false;
};
