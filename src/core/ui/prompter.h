#pragma once
// Message boxes of the shell go through this small interface so that a test can answer them
// without a modal loop. Confirmations are Yes/No with No preselected.

#include <QString>

class QWidget;

namespace zeran::ui {

class Prompter {
public:
    virtual ~Prompter() = default;
    /// A modal information message; returns when the user has read it.
    virtual void inform(QWidget *parent, const QString &text) = 0;
    /// A Yes/No question with No preselected; true for Yes.
    virtual bool ask(QWidget *parent, const QString &text) = 0;
};

/// The real message boxes.
class BoxPrompter : public Prompter {
public:
    void inform(QWidget *parent, const QString &text) override;
    bool ask(QWidget *parent, const QString &text) override;
};

/// The program's message texts separate lines with "\r"; a message box wants "\n".
QString displayText(QString text);

}  // namespace zeran::ui
