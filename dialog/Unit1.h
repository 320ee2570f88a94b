// TForm1: the plug-in's dialog, its controls and the state that one Start
// press shares with the tool runner.
#pragma once

#include <memory>
#include <string>

#include "controls/FCButton.h"
#include "controls/FCGauge.h"
#include "dialog/GaugeProgress.h"
#include "settings/LibAutosave.h"
#include "ui/Button.h"
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
    TXMButton* ButDir;
    TMyGauge* GauLog;
    ui::TMemo* MemoLog;
    ui::TCheckBox* CBTestImage;
    TXMButton* ButHelp;
    ui::TCheckBox* CBScale8bit;
    TXMButton* ButStart;

    // The user's temporary folder with a trailing delimiter, or empty; set at creation.
    std::u16string TempDir;
    // Set by each Start, read by the tool runner.
    std::u16string InputFile;
    std::u16string OutputFile;
    bool IsColor = false;
    bool TooSmall = false;

    // GauLog's progress (0 to 100), set by the tool runner.
    std::unique_ptr<GaugeProgress> Gauge;

    // Start: the whole round trip for the host's active image.
    void ButStartClick(ui::TObject* sender);
    // Checks the folder and runs the tool on InputFile and OutputFile.
    void RunTool();
    // Whether the last RunTool ran the tool to its end (RunCaptured's 0);
    // otherwise it has logged why not.
    bool ToolRan = false;
    // "...": the folder browser fills EdStarnet. Help: opens the read-me.
    void ButDirClick(ui::TObject* sender);
    void ButHelpClick(ui::TObject* sender);

private:
    void CreateControls();
    void FormCreate();
    void FormDestroy();
};

} // namespace kv
