#pragma once

#include <QDialog>

class QTextBrowser;
class QPushButton;

// The program's help: HTML pages shown in a browser pane with contents,
// back and forward buttons.
class HelpViewerDialog : public QDialog
{
    Q_OBJECT
public:
    explicit HelpViewerDialog(QWidget* parent = nullptr);

    // Opens the help at its contents page; false when the file cannot be read.
    bool OpenContents(const QString& indexPath);
    QTextBrowser* Browser() const { return browser_; }

private:
    void ContentsClick();

    QTextBrowser* browser_;
    QPushButton* contents_;
    QPushButton* back_;
    QPushButton* forward_;
    QString index_;
};
