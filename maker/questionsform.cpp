#include "maker/questionsform.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "maker/editsession.h"
#include "maker/picturefield.h"

namespace maker {

QString QuestionsForm::shape(const Document& d) const {
    QString s = EntryForm::shape(d);
    for (const Question& q : d.questions) s += QString::number(q.answers.size());
    return s;
}

void QuestionsForm::buildEntry(int i, QGroupBox* box) {
    auto* rows = new QVBoxLayout(box);
    const QString n = QString::number(i + 1);
    auto* heading = new QHBoxLayout;
    addTextAndSpokenAs(heading, &Document::questions, i, "question", tr("The question"));
    rows->addLayout(heading);
    rows->addWidget(new PictureField(
        context_, binder(), {"picture", i}, tr("question %1").arg(n),
        [i](const Document& d) { return d.questions[i].picture; },
        [i](Document& d, const QString& p) { d.questions[i].picture = p; }, true));
    auto* group = new QButtonGroup(box);
    const int answers = static_cast<int>(document().questions[i].answers.size());
    for (int a = 0; a < answers; ++a) {
        auto* line = new QHBoxLayout;
        const QString answerName = tr("Answer %1 of question %2").arg(a + 1).arg(n);
        auto* right = new QRadioButton(tr("Right answer"));
        right->setObjectName(QString("right%1_%2").arg(n).arg(a + 1));
        right->setAccessibleName(tr("%1 is the right answer").arg(answerName));
        group->addButton(right);
        binder().toggle(
            right, {"right", i}, [i, a](const Document& d) { return d.questions[i].right == a; },
            [i, a](Document& d, const bool& on) {
                if (on) d.questions[i].right = a;
            });
        auto* answer =
            newLineEdit(QString("answer%1_%2").arg(n).arg(a + 1), tr("Answer %1").arg(a + 1));
        answer->setAccessibleName(answerName);
        binder().line(
            answer, {"answers", i, a},
            [i, a](const Document& d) { return d.questions[i].answers[a]; },
            [i, a](Document& d, const QString& t) { d.questions[i].answers[a] = t; });
        QLineEdit* say = newSpokenAs(QString("sayAnswer%1_%2").arg(n).arg(a + 1), answerName);
        binder().line(
            say, {"say_answers", i, a},
            [i, a](const Document& d) { return d.questions[i].answersSay.value(a); },
            [i, a](Document& d, const QString& t) {
                QStringList& said = d.questions[i].answersSay;
                while (said.size() <= a) said << QString();
                said[a] = t;
            });
        line->addWidget(right);
        line->addWidget(answer, 3);
        line->addWidget(say, 2);
        rows->addLayout(line);
    }
    auto* line = new QHBoxLayout;
    auto* more = new QPushButton(tr("Add an answer"));
    more->setObjectName("moreAnswers" + n);
    more->setAccessibleName(tr("Add an answer to question %1").arg(n));
    more->setEnabled(answers < activityfiles::kMaxAnswers);
    connect(more, &QPushButton::clicked, this, [this, i] {
        context_.session.edit({}, [i](Document& d) { d.questions[i].answers << QString(); });
    });
    auto* fewer = new QPushButton(tr("Remove the last answer"));
    fewer->setAccessibleName(tr("Remove the last answer of question %1").arg(n));
    fewer->setEnabled(answers > activityfiles::kMinAnswers);
    connect(fewer, &QPushButton::clicked, this, [this, i] {
        context_.session.edit({}, [i](Document& d) {
            Question& q = d.questions[i];
            q.answers.removeLast();
            if (q.answersSay.size() > q.answers.size()) q.answersSay.resize(q.answers.size());
            q.right = std::min(q.right, static_cast<int>(q.answers.size()) - 1);
        });
    });
    line->addWidget(more);
    line->addWidget(fewer);
    line->addStretch();
    rows->addLayout(line);
}

}  // namespace maker
