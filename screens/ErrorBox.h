// The file-error box: rikishi.r could not be opened for reading.
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

class ErrorBox : public QDialog {
    Q_OBJECT
public:
    explicit ErrorBox(QWidget* parent = nullptr);

    // Shows the box modally, naming the full path of the save file it looked
    // for, and returns when the player has dismissed it.
    void showFor(const std::string& savePath);

    QLabel* m_errorLabel = nullptr;
    QLabel* m_checkFileLabel = nullptr;
    QLabel* m_whereLabel = nullptr;
    QPushButton* m_okButton = nullptr;
};
