#pragma once
// The Find dialog and the result list as the search tests drive them: controls found
// by the names the user knows, keys typed into FindBox, options clicked, list lines.

#include "frame_fixture.h"
#include "ui/search/result_list_model.h"
#include "ui/search/tlist_form.h"
#include "ui/search/topts_form.h"

#include <QListView>

#include <vector>

namespace zarvo {

struct SearchWindows {
    explicit SearchWindows(const FrameFixture& fixture)
        : find(fixture.frame->findChild<TOptsForm*>()),
          list(fixture.frame->findChild<TListForm*>())
    {
        if (find == nullptr || list == nullptr) qFatal("no search windows");
    }

    template <typename Control = QCheckBox>
    [[nodiscard]] Control* control(const char* name) const
    {
        return window_test::Child<Control>(find, name);
    }
    [[nodiscard]] QLineEdit* box() const { return find->findBox(); }
    // Key by key, each through the dialog's key rules.
    void type(const QString& keys) const { QTest::keyClicks(box(), keys); }
    void press(Qt::Key key) const { QTest::keyClick(box(), key); }
    // Clicks each check box on its mark, as the user would.
    void click(const std::vector<const char*>& boxes) const
    {
        for (const char* name : boxes) {
            QCheckBox* box = control(name);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(7, box->height() / 2));
        }
    }
    [[nodiscard]] QStringList checked() const
    {
        QStringList names;
        for (const char* name : {"IgCase", "SaveFnd", "WildCrd", "FindFromStart", "IncFind", "FindLimit"}) {
            if (control(name)->isChecked()) names << QString::fromLatin1(name);
        }
        return names;
    }
    [[nodiscard]] QStringList lines() const { return window_test::ListLines(list->lines()); }
    // A command of the list's popup menu.
    void popup(const char* item) const { window_test::Child<QAction>(list, item)->trigger(); }
    // Makes a line current and presses Enter on it, as the user steps through the hits.
    void enterOnLine(int row) const
    {
        list->listBox()->setCurrentIndex(list->lines()->index(row, 0));
        QTest::keyClick(list->listBox(), Qt::Key_Return);
        FrameFixture::settle();
    }

    TOptsForm* find;
    TListForm* list;
};

// A buffer of filler bytes with words planted at offsets.
[[nodiscard]] inline QByteArray PlantedRom(int size, std::initializer_list<std::pair<int, QByteArray>> words)
{
    QByteArray rom(size, '\x01');
    for (const auto& [at, word] : words) rom.replace(at, word.size(), word);
    return rom;
}

}  // namespace zarvo
