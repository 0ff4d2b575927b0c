// The file-error box: rikishi.r could not be opened for reading.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class ErrorBox : public QDialog {
    Q_OBJECT
public:
    explicit ErrorBox(QWidget* parent = nullptr);

    QLabel* m_errorLabel;
    QLabel* m_checkFileLabel;
    QLabel* m_whereLabel;
    QPushButton* m_okButton;
};

extern ErrorBox* errorBox;

// Shows the file-error box modally over `parent` and returns when the player
// has dismissed it.
void showFileError(QWidget* parent);
