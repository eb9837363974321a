#include "ui/tools/tcomp_form.h"

#include "core/document.h"
#include "tools/file_compare.h"
#include "tools/tool_messages.h"
#include "ui/common/chooser_filter.h"
#include "ui/common/chooser_start.h"
#include "ui/common/qt_text.h"
#include "ui/tools/compare_list_model.h"

#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace zarvo {

namespace {

constexpr int kClientWidth = 396;
constexpr int kClientHeight = 260;

// Ends the compare's running state on every way out.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

}  // namespace

TCompForm::TCompForm(const Session& session, Prompter& prompter, CurrentDocument& documents, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      session_(session),
      prompter_(prompter),
      documents_(documents)
{
    setObjectName(QStringLiteral("CompForm"));
    setWindowTitle(Text(messages::kCompareCaption));
    setModal(false);
    CreateControls();
    resize(kClientWidth, kClientHeight);
}

void TCompForm::CreateControls()
{
    GroupBox1 = new QGroupBox(Text(messages::kCompareFilesFrame), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    StaticText1 = new QLabel(Text(messages::kCompareSourceLabel), GroupBox1);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    StaticText2 = new QLabel(Text(messages::kCompareOtherLabel), GroupBox1);
    StaticText2->setObjectName(QStringLiteral("StaticText2"));
    Edit2 = new QLineEdit(GroupBox1);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Button1 = new QPushButton(QStringLiteral("..."), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("..."), GroupBox1);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(Text(messages::kCompareButton), GroupBox1);
    Button3->setObjectName(QStringLiteral("Button3"));
    for (QPushButton* button : {Button1, Button2, Button3}) button->setAutoDefault(false);
    Button1->setFixedWidth(28);
    Button2->setFixedWidth(28);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(0); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button1Click(1); });
    connect(Button3, &QPushButton::clicked, this, &TCompForm::Button3Click);

    auto* files = new QGridLayout(GroupBox1);
    files->addWidget(StaticText1, 0, 0);
    files->addWidget(Edit1, 0, 1);
    files->addWidget(Button1, 0, 2);
    files->addWidget(StaticText2, 1, 0);
    files->addWidget(Edit2, 1, 1);
    files->addWidget(Button2, 1, 2);
    files->addWidget(Button3, 0, 3, 2, 1);

    model_ = new CompareListModel(this);
    CompList = new QListView(this);
    CompList->setObjectName(QStringLiteral("CompList"));
    CompList->setModel(model_);
    // Every line has the same height, so a long list is laid out without measuring it.
    CompList->setUniformItemSizes(true);
    CompList->setSelectionMode(QAbstractItemView::SingleSelection);
    CompList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    CompList->setFont(fixed);
    CompList->installEventFilter(this);
    CompList->viewport()->installEventFilter(this);

    StaticText3 = new QLabel(Text(messages::kCompareFooter), this);
    StaticText3->setObjectName(QStringLiteral("StaticText3"));
    StaticText3->setAlignment(Qt::AlignCenter);
    StaticText3->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(CompList, 1);
    layout->addWidget(StaticText3);
}

void TCompForm::Button1Click(int tag)
{
    // The frame's file chooser, whose title reads "Open" after the patch commands too.
    const std::optional<QString> path = prompter_.chooseOpenFile(Text(messages::kIpsChooserTitleAfter),
                                                                 ChooserFolder(session_, documents_.document().get()),
                                                                 ChooserFilter(messages::kCompareChooserFilter));
    if (!path || path->isEmpty()) return;
    (tag == 0 ? Edit1 : Edit2)->setText(*path);
}

void TCompForm::Button3Click()
{
    if (comparing_) return;
    const RunningFlag running(comparing_);
    setWindowTitle(Text(messages::kCompareCaption));
    // The window stays live: its caption tells how far the compare got.
    CompareOutcome outcome =
        CompareFiles(ToPath(Edit1->text()), ToPath(Edit2->text()), [this](int32_t compared, int32_t total) {
            setWindowTitle(Text(CompareProgressCaption(compared, total)));
            QCoreApplication::processEvents();
        });
    if (outcome.error != CompareError::None) {
        setWindowTitle(Text(messages::kCompareCaption));
        prompter_.showMessage(Text(CompareErrorText(outcome.error)));
        if (outcome.error == CompareError::CannotOpen) hide();
        return;
    }
    const std::size_t runCount = outcome.runs.size();
    model_->setRuns(std::move(outcome.runs));
    setWindowTitle(Text(CompareResultCaption(runCount)));
    // The keys go to the list from here on: Enter jumps, the arrows move, Esc closes.
    CompList->setCurrentIndex(model_->index(0, 0));
    CompList->setFocus();
    prompter_.showMessage(Text(messages::kCompareCompleted));
}

void TCompForm::CompListDblClick()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    const QModelIndexList selected = CompList->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return;
    const std::optional<int32_t> offset =
        CompareJumpTarget(model_->lineAt(selected.first().row()).toStdString(), doc->fileSize);
    if (!offset) return;
    documents_.jumpTo(*doc, *offset);
}

bool TCompForm::eventFilter(QObject* watched, QEvent* event)
{
    // A double click chooses the line under it (if any) and jumps to the chosen line.
    if (watched == CompList->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QModelIndex under = CompList->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (under.isValid()) CompList->setCurrentIndex(under);
        CompListDblClick();
        return false;
    }
    // Enter in the list acts as a double click.
    if (watched == CompList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CompListDblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zarvo
