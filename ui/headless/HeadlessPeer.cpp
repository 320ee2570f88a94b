// Headless windows: nothing to keep in step, since the controls' own fields
// are the state. A custom control paints at once into its pixel buffer; a
// form's release runs at the next ProcessMessages.
#include <memory>

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
        auto* custom = dynamic_cast<TCustomControl*>(&control_);
        if (!custom)
            return;
        surface_.Resize(control_.Width(), control_.Height());
        custom->PaintOn(surface_);
    }

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
