#pragma once
// The frame's prompter: it asks through the one it wraps and keeps in Session the
// folder of each file chosen in an open dialog, where relative names typed later land
// (as the platform the program comes from made that folder the current one).

#include "core/session.h"
#include "ui/common/prompter.h"

namespace zarvo {

class OpenFolderPrompter final : public Prompter {
public:
    OpenFolderPrompter(Prompter& inner, Session& session) : inner_(inner), session_(session) {}

    void showMessage(const QString& text) override { inner_.showMessage(text); }
    void showMessageBox(const QString& text, const QString& caption, MessageIcon icon) override
    {
        inner_.showMessageBox(text, caption, icon);
    }
    [[nodiscard]] bool askYesNo(const QString& text, const QString& caption, MessageIcon icon) override
    {
        return inner_.askYesNo(text, caption, icon);
    }
    [[nodiscard]] Answer askYesNoOrDismiss(const QString& text, const QString& caption, MessageIcon icon) override
    {
        return inner_.askYesNoOrDismiss(text, caption, icon);
    }
    [[nodiscard]] std::optional<QString> chooseOpenFile(const QString& caption, const QString& directory,
                                                        const QString& filter) override;
    [[nodiscard]] std::optional<QString> chooseSaveFile(const QString& caption, const QString& directory,
                                                        const QString& filter) override
    {
        return inner_.chooseSaveFile(caption, directory, filter);
    }
    [[nodiscard]] std::optional<QFont> chooseFont(const QFont& initial) override { return inner_.chooseFont(initial); }

private:
    Prompter& inner_;
    Session& session_;
};

}  // namespace zarvo
