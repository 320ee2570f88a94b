#include "dialog/Unit1.h"

#include "os/TempDirectory.h"

namespace kv {
namespace {

template <class T>
T* Place(TForm1* form, const char16_t* name, int32_t left, int32_t top, int32_t width, int32_t height)
{
    auto* control = new T(form);
    control->SetName(name);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
}

} // namespace

TForm1::TForm1(ui::TComponent* owner) : ui::TForm(owner)
{
    SetName(u"Form1");
    SetText(u"Kelvoran v2.0");
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
    Label1 = Place<ui::TLabel>(this, u"Label1", 8, 6, 137, 13);
    Label1->SetText(u"Starnet++ installation folder");

    EdStarnet = Place<ui::TEdit>(this, u"EdStarnet", 8, 21, 281, 21);
    EdStarnet->SetTabOrder(1);
    EdStarnet->SetTag(AUTOSAVE_TAG);

    ButDir = Place<ui::TButton>(this, u"ButDir", 294, 19, 43, 24);
    ButDir->SetText(u"...");
    ButDir->SetTabOrder(2);
    ButDir->OnClick = [this](ui::TObject* sender) { ButDirClick(sender); };

    GauLog = Place<ui::TCustomControl>(this, u"GauLog", 8, 50, 329, 22);

    MemoLog = Place<ui::TMemo>(this, u"MemoLog", 8, 80, 329, 217);
    MemoLog->SetReadOnly(true);
    MemoLog->SetScrollBars(ui::TScrollStyle::ssVertical);
    MemoLog->SetTabOrder(3);
    MemoLog->Lines().Add(u"Kelvoran version 2.0.");
    MemoLog->Lines().Add(u"It's required a CPU with AVX instructions and Windows 64 bit.");
    MemoLog->Lines().Add(u"Before starting, select the folder where Starnet is installed.");

    CBTestImage = Place<ui::TCheckBox>(this, u"CBTestImage", 171, 2, 117, 17);
    CBTestImage->SetText(u"_Test imagemode_");
    CBTestImage->SetTabOrder(4);
    CBTestImage->SetVisible(false);

    ButHelp = Place<ui::TButton>(this, u"ButHelp", 8, 303, 79, 29);
    ButHelp->SetText(u"Help");
    ButHelp->SetTabOrder(5);
    ButHelp->OnClick = [this](ui::TObject* sender) { ButHelpClick(sender); };

    CBScale8bit = Place<ui::TCheckBox>(this, u"CBScale8bit", 164, 310, 88, 17);
    CBScale8bit->SetText(u"Image is 8 bit");
    CBScale8bit->SetTabOrder(6);
    CBScale8bit->SetTag(AUTOSAVE_TAG);

    ButStart = Place<ui::TButton>(this, u"ButStart", 256, 303, 82, 29);
    ButStart->SetText(u"Start");
    ButStart->SetTabOrder(0);
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
