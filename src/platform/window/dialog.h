#pragma once
// Modal dialogs built on an empty template: a pop-up centred on the main
// window, run by a nested loop that disables its owner. Enter gives OnOK
// (end code 1) and Escape OnCancel (end code 2) unless a dialog overrides
// them. Child buttons report through OnCommand.
#include <cstdint>
#include <string>

#include "platform/window/window.h"

namespace platform::win {

class Dialog : public Window {
public:
    // Shows the dialog, `size` pixels, centred on the main window (or the
    // desktop when there is none), and waits for its end code. -1 when the
    // dialog could not be made or the program quit meanwhile.
    int DoModal(Window* owner, Size size, std::string captionCp1252 = {});
    void EndDialog(int result);
    bool IsRunning() const { return running_; }
    const std::string& Caption() const { return caption_; }

    static constexpr int kCaptionBar = 18;

protected:
    // Make the controls here; true to go on.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(1); }
    virtual void OnCancel() { EndDialog(2); }
    bool PreTranslateKey(uint32_t msg, uint32_t vk) override;
    bool OnCommand(uint32_t id, uint32_t code, Window* control) override;
    void OnPaint(const PaintContext& pc) override;
    void OnClose() override { OnCancel(); }

private:
    std::string caption_;
    bool running_ = false;
    int result_ = -1;
};

// A progress bar: a range, a position and a step; drawn as blocks.
class ProgressCtrl : public Window {
public:
    bool CreateProgress(Window* parent, const Rect& rect, uint32_t style, uint32_t id);
    void SetRange(int low, int high);
    int SetPos(int pos);  // the previous position
    int GetPos() const { return pos_; }
    int StepIt();
    void SetStep(int step) { step_ = step; }

protected:
    void OnPaint(const PaintContext& pc) override;

private:
    int low_ = 0, high_ = 100, pos_ = 0, step_ = 10;
};

}  // namespace platform::win
