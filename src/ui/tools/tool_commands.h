#pragma once
// The ROM and patch tools of the Tools menu: making and applying IPS and BPS patches, the
// SNES address converter and checksum repair, the size change and the file compare.
// The tool windows are created once here and reused.

#include "ui/common/menu_actions.h"
#include "ui/common/prompter.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace zarvo {

struct Session;
class BpsCommands;
class CurrentDocument;
class TCompForm;
class TExpander;
class TSnes2Hex;

class ToolCommands final : public QObject {
    Q_OBJECT
public:
    // saveActive saves the active document, as File > Save does.
    ToolCommands(Session& session, Prompter& prompter, CurrentDocument& documents, std::function<void()> saveActive,
                 QWidget* dialogParent);

    void AddMenuItems(QMenu& tools, EditorItems& editorItems);

    [[nodiscard]] TSnes2Hex* converter() const { return Snes2Hex; }
    [[nodiscard]] TCompForm* compareWindow() const { return CompForm; }
    [[nodiscard]] TExpander* sizeDialog() const { return Expander; }

public slots:
    // Both IPS items: flag 0 makes a patch, 1 applies one.
    void _IpsSub(int flag);
    void SnesToHex1Click();
    void Checksum1Click();
    void ExpandROM1Click();
    void CompFilesClick();

private:
    Session& session_;
    Prompter& prompter_;
    CurrentDocument& documents_;
    std::function<void()> saveActive_;
    TSnes2Hex* Snes2Hex = nullptr;
    TCompForm* CompForm = nullptr;
    TExpander* Expander = nullptr;
    BpsCommands* bpsCommands_ = nullptr;
};

}  // namespace zarvo
