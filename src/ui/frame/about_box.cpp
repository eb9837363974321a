#include "ui/frame/about_box.h"

#include "core/messages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef ZARVO_VERSION
#define ZARVO_VERSION "0.1"
#endif

namespace zarvo {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Zarvo for Win32"));
    setModal(true);

    auto* name = new QLabel(QString::fromUtf8(messages::kApplicationTitle), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSize(nameFont.pointSize() + 4);
    name->setFont(nameFont);
    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral(ZARVO_VERSION)), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* purpose = new QLabel(tr("A hex editor for video-game ROM images, for translating and modifying games:\n"
                                  "table files, text search and relative search, text dumps, IPS patches,\n"
                                  "SNES addresses and tile graphics."),
                               this);
    purpose->setObjectName(QStringLiteral("Comments"));
    // Keys reach the box itself, never the button, so only Escape acts.
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setFocusPolicy(Qt::NoFocus);
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(purpose);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void TAboutBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    event->accept();
}

}  // namespace zarvo
