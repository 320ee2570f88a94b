#include "dialog/Unit1.h"

#include <type_traits>

#include "dialog/DialogIdentity.h"
#include "dialog/Messages.h"
#include "os/TempDirectory.h"

namespace kv {
namespace {

namespace id = dialog_identity;

template <class T>
T* Place(TForm1* form, const id::ControlIdentity& identity, int32_t left, int32_t top, int32_t width, int32_t height)
{
    auto* control = new T(form);
    control->SetName(identity.name);
    if constexpr (std::is_base_of_v<ui::TWinControl, T>)
        control->SetControlId(identity.id);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    if (*identity.text)
        control->SetText(identity.text);
    return control;
}

} // namespace

TForm1::TForm1(ui::TComponent* owner) : ui::TForm(owner)
{
    SetName(id::kFormName);
    SetText(id::kCaption);
    SetColor(ui::clBtnFace);
    ui::TFont font; // Tahoma, 8 point, default character set
    SetFont(font);
    SetClientSize(346, 337);
    SetStayOnTop(true);
    SetPosition(ui::TPosition::poScreenCenter);
    CreateControls();
    FormCreate();
}

TForm1::~TForm1()
{
    FormDestroy();
}

void TForm1::CreateControls()
{
    Label1 = Place<ui::TLabel>(this, id::Label1, 8, 6, 137, 13);

    EdStarnet = Place<ui::TEdit>(this, id::EdStarnet, 8, 21, 281, 21);
    EdStarnet->SetTabOrder(1);
    EdStarnet->SetTag(AUTOSAVE_TAG);

    ButDir = Place<TXMButton>(this, id::ButDir, 294, 19, 43, 24);
    ButDir->SetTabOrder(2);
    ButDir->OnClick = [this](ui::TObject* sender) { ButDirClick(sender); };

    GauLog = Place<TMyGauge>(this, id::GauLog, 8, 50, 329, 22);
    GauLog->SetMaxValue(100);
    GauLog->SetProgress(0);
    Gauge = std::make_unique<GaugeProgress>(GauLog);

    MemoLog = Place<ui::TMemo>(this, id::MemoLog, 8, 80, 329, 217);
    MemoLog->SetReadOnly(true);
    MemoLog->SetScrollBars(ui::TScrollStyle::ssVertical);
    MemoLog->SetTabOrder(3);
    MemoLog->Lines().Add(msg::kOpening1);
    MemoLog->Lines().Add(msg::kOpening2);
    MemoLog->Lines().Add(msg::kOpening3);

    CBTestImage = Place<ui::TCheckBox>(this, id::CBTestImage, 171, 2, 117, 17);
    CBTestImage->SetTabOrder(4);
    CBTestImage->SetVisible(false);

    ButHelp = Place<TXMButton>(this, id::ButHelp, 8, 303, 79, 29);
    ButHelp->SetBitmapKind(TBitmapKind::bkHelp);
    ButHelp->SetTabOrder(5);
    ButHelp->OnClick = [this](ui::TObject* sender) { ButHelpClick(sender); };

    CBScale8bit = Place<ui::TCheckBox>(this, id::CBScale8bit, 164, 310, 88, 17);
    CBScale8bit->SetTabOrder(6);
    CBScale8bit->SetTag(AUTOSAVE_TAG);

    ButStart = Place<TXMButton>(this, id::ButStart, 256, 303, 82, 29);
    ButStart->SetTabOrder(0);
    ButStart->OnClick = [this](ui::TObject* sender) { ButStartClick(sender); };
    SetActiveControl(ButStart);
}

void TForm1::FormCreate()
{
    TempDir = GetTempDirectory();
    Autosaver->LoadFromFile(TempDir + kSettingsFileName);
    Autosaver->ApplyToForm(*this);
}

void TForm1::FormDestroy()
{
    // Exactly empty: blanks count as a folder.
    if (EdStarnet->Text().empty())
        return;
    // A control name that cannot be a key throws: then nothing is written,
    // and the throw must not leave the destructor this runs in.
    try {
        Autosaver->CollectFromForm(*this);
        Autosaver->SaveToFile(TempDir + kSettingsFileName);
    } catch (...) {
    }
}

} // namespace kv
