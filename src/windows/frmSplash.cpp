#include "frmSplash.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ApplicationVersion.h"

namespace quorvel {

void SplashFrame::mousePressEvent(QMouseEvent* event) {
    QFrame::mousePressEvent(event);
    emit clicked();
}

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    auto* outer = new QVBoxLayout(this);
    auto* frame = new SplashFrame(this);
    frame->setObjectName("Frame1");
    frame->setFrameShape(QFrame::Box);
    outer->addWidget(frame);

    auto* layout = new QVBoxLayout(frame);
    auto* logo = new QLabel(frame);
    logo->setObjectName("imgLogo");
    logo->setText(QStringLiteral("<div style='font-size:28pt; font-weight:bold; color:#1d4f91'>%1</div>"
                                 "<div style='font-size:11pt'>Coefficient Viewer</div>"
                                 "<div style='font-size:9pt'>FGR-12 and FGR-13 dose and risk coefficients</div>")
                      .arg(ApplicationTitle));
    logo->setAlignment(Qt::AlignCenter);
    layout->addWidget(logo);

    lblVersion_ = new QLabel(QString::fromStdString(VersionText()), frame);
    lblVersion_->setObjectName("lblVersion");
    lblVersion_->setFont(QFont("Arial", 12, QFont::Bold));
    lblVersion_->setAlignment(Qt::AlignRight);
    layout->addWidget(lblVersion_);

    lblPlatform_ = new QLabel(SplashPlatformText, frame);
    lblPlatform_->setObjectName("lblPlatform");
    QFont platformFont("Arial");
    platformFont.setPointSizeF(15.75);
    platformFont.setBold(true);
    lblPlatform_->setFont(platformFont);
    lblPlatform_->setAlignment(Qt::AlignRight);
    layout->addWidget(lblPlatform_);

    connect(frame, &SplashFrame::clicked, this, &QWidget::close);
    resize(480, 260);
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    QWidget::keyPressEvent(event);
    close();
}

}  // namespace quorvel
