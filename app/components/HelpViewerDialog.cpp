#include "HelpViewerDialog.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpViewerDialog::HelpViewerDialog(QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)),
      contents_(new QPushButton(QStringLiteral("Contents"), this)),
      back_(new QPushButton(QStringLiteral("Back"), this)),
      forward_(new QPushButton(QStringLiteral("Forward"), this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Tavrel Help"));
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents_);
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(contents_, &QPushButton::clicked, this, &HelpViewerDialog::ContentsClick);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    resize(820, 640);
}

bool HelpViewerDialog::OpenContents(const QString& indexPath)
{
    const QFileInfo info(indexPath);
    if (!info.isFile() || !info.isReadable())
        return false;
    index_ = info.absoluteFilePath();
    browser_->setSearchPaths({info.absolutePath()});
    browser_->setSource(QUrl::fromLocalFile(index_));
    return true;
}

void HelpViewerDialog::ContentsClick()
{
    if (!index_.isEmpty())
        browser_->setSource(QUrl::fromLocalFile(index_));
}
