// Headless windows: nothing to keep in step, since the controls' own fields
// are the state. A custom control paints at once into its pixel buffer; a
// form's release runs at the next ProcessMessages.
#include <memory>

#include "ui/Button.h"
#include "ui/CustomControl.h"
#include "ui/Form.h"
#include "ui/headless/MemorySurface.h"
#include "ui/headless/PostedWork.h"

namespace kv::ui {
namespace {

class HeadlessPeer : public FormPeer {
public:
    explicit HeadlessPeer(TWinControl& control) : control_(control) {}
    ~HeadlessPeer() override { headless::CancelPosted(this); }

    void* Handle() const override { return nullptr; }
    void UpdateStyle() override {}
    void SetBounds(const TRect&) override {}
    void SetText(const std::u16string&) override {}
    std::optional<std::u16string> Text() const override { return std::nullopt; }
    void SetVisible(bool) override {}
    void SetEnabled(bool) override {}
    void SetFont() override {}
    void SetFocus() override {}
    std::optional<bool> Focused() const override { return std::nullopt; }
    void SetChecked(bool) override {}
    std::optional<bool> Checked() const override { return std::nullopt; }
    void SetItems(const std::vector<std::u16string>&) override {}
    void SetItemIndex(int32_t) override {}
    std::optional<int32_t> ItemIndex() const override { return std::nullopt; }
    void PlaceAfter(WindowPeer*) override {}

    void Invalidate() override
    {
        if (auto* custom = dynamic_cast<TCustomControl*>(&control_)) {
            surface_.Resize(control_.Width(), control_.Height());
            custom->PaintOn(surface_);
            return;
        }
        auto* button = dynamic_cast<TButton*>(&control_);
        if (!button || !control_.Style().ownerDraw)
            return;
        // What the system would report: never pressed, since there is no mouse.
        uint32_t state = 0;
        if (!control_.Enabled())
            state |= item_state::kDisabled;
        if (control_.Focused())
            state |= item_state::kFocus;
        surface_.Resize(control_.Width(), control_.Height());
        button->DrawItem(TDrawItem{state, &surface_});
    }
    void Repaint() override { Invalidate(); }

    // A windowless child paints into a surface of its own size; nothing keeps it.
    void PaintChild(TGraphicControl& child, bool) override
    {
        if (!child.Visible())
            return;
        headless::MemorySurface surface(child.Width(), child.Height());
        child.PaintOn(surface);
    }
    std::optional<intptr_t> Perform(uint32_t, uintptr_t, intptr_t) override { return std::nullopt; }

    void SetClientSize(int32_t, int32_t) override {}
    void SetTopMost(bool) override {}
    void CenterOnScreen() override {}
    void Show() override {}
    void Hide() override {}
    void PostRelease() override
    {
        auto* form = static_cast<TForm*>(&control_);
        headless::Post(this, [form] { form->HandleRelease(); });
    }

private:
    TWinControl& control_;
    headless::MemorySurface surface_{0, 0};
};

} // namespace

std::unique_ptr<WindowPeer> CreateWindowPeer(TWinControl& control)
{
    return std::make_unique<HeadlessPeer>(control);
}

std::unique_ptr<FormPeer> CreateFormPeer(TForm& form)
{
    return std::make_unique<HeadlessPeer>(form);
}

std::unique_ptr<CanvasSurface> CreateBitmapSurface(int32_t width, int32_t height)
{
    return std::make_unique<headless::MemorySurface>(width, height);
}

} // namespace kv::ui
