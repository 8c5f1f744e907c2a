#include "frmSystemInfo.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

frmSystemInfo::frmSystemInfo(const SystemReportFacts& facts, const KeyValueSource& keys, ProgramStarter& starter,
                             UserPrompt& prompt, QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmSystemInfo");
    setWindowTitle("System Information");
    auto* layout = new QVBoxLayout(this);
    text_ = new QPlainTextEdit(QString::fromStdString(SystemReport(facts)), this);
    text_->setObjectName("txtSystemReport");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(text_);

    auto* buttons = new QHBoxLayout;
    auto* copy = new QPushButton("&Copy", this);
    copy->setObjectName("cmdCopy");
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(text_->toPlainText()); });
    // The desktop's own program, as the About box started it before this report.
    auto* program = new QPushButton("System &Program . . .", this);
    program->setObjectName("cmdStartSysInfo");
    connect(program, &QPushButton::clicked, this, [&keys, &starter, &prompt] { StartSysInfo(keys, starter, prompt); });
    auto* close = new QPushButton("Close", this);
    close->setObjectName("cmdClose");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(copy);
    buttons->addWidget(program);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    // As wide as the longest line, within reason; every line in view.
    const QFontMetrics metrics(text_->font());
    int widest = 0;
    for (const QString& line : text_->toPlainText().split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int lines = static_cast<int>(text_->toPlainText().count('\n')) + 2;
    text_->setMinimumSize(std::min(widest + 40, 900), std::min(lines * metrics.lineSpacing() + 16, 520));
}

std::string frmSystemInfo::ReportText() const { return text_->toPlainText().toStdString(); }

}  // namespace quorvel
