// TForm1: the plug-in's dialog, its controls and the state that one Start
// press shares with the tool runner.
#pragma once

#include <string>

#include "settings/LibAutosave.h"
#include "ui/Button.h"
#include "ui/CustomControl.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace kv {

class TForm1 : public ui::TForm {
public:
    explicit TForm1(ui::TComponent* owner);
    ~TForm1() override;

    ui::TLabel* Label1;
    ui::TEdit* EdStarnet;
    ui::TButton* ButDir;
    ui::TCustomControl* GauLog;
    ui::TMemo* MemoLog;
    ui::TCheckBox* CBTestImage;
    ui::TButton* ButHelp;
    ui::TCheckBox* CBScale8bit;
    ui::TButton* ButStart;

    // The user's temporary folder with a trailing delimiter, or empty; set at creation.
    std::u16string TempDir;
    // Set by each Start, read by the tool runner.
    std::u16string InputFile;
    std::u16string OutputFile;
    bool IsColor = false;
    bool TooSmall = false;

    // "...": the folder browser fills EdStarnet. Help: opens the read-me.
    void ButDirClick(ui::TObject* sender);
    void ButHelpClick(ui::TObject* sender);

private:
    void CreateControls();
    void FormCreate();
    void FormDestroy();
};

} // namespace kv
