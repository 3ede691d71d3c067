// The checks of the configuration the editor holds, shown as markers that never stop the user.
#include "ui/tfmvarnel.h"

#include "image/checks.h"
#include "image/readable.h"
#include "ui/fieldbinders.h"
#include "ui/problemmarkers.h"
#include "ui_tfmvarnel.h"

void TfmVarnel::wireProblemChecks()
{
    m_markers = new ProblemMarkers(this, ui->ParConfgs, ui->lbConectado);
    // Connected after the stores, so each check sees the edit that raised it.
    const auto recheck = [this] { recheckProblems(); };
    for (const auto& binder : m_binders) {
        if (!binder)
            continue;
        if (QLineEdit* box = binder->textBox())
            connect(box, &QLineEdit::textChanged, this, recheck);
        if (QComboBox* box = binder->choiceBox()) {
            connect(box, &QComboBox::activated, this, recheck);
            connect(box->lineEdit(), &QLineEdit::textEdited, this, recheck);
        }
        for (QAbstractButton* button : binder->buttons())
            connect(button, &QAbstractButton::toggled, this, recheck);
    }
}

void TfmVarnel::startProblemChecks()
{
    m_checking = true;
    recheckProblems();
}

void TfmVarnel::recheckProblems()
{
    if (!m_checking)
        return;
    // What the boxes show, which is what the user judges; the rest as the working copy holds it.
    QByteArray shown = m_image.workingCopy();
    for (const image::Field& field : image::layout()) {
        if (field.kind == image::Kind::Text || field.kind == image::Kind::ShortText)
            image::storeText(shown, field, shownValue(field));
    }
    m_markers->show(image::checkImage(shown, image::workingCopyAfterRead(m_image.pristineCopy())));
}
