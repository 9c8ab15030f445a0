#pragma once
// The Maker's window under test: her folders in a scratch place, and dialogs that answer as
// the test says and note what they were asked.
#include <QTemporaryDir>

#include "maker/dialogs.h"
#include "maker/makerwindow.h"
#include "tests/support/screentest.h"

struct ScriptedDialogs : maker::Dialogs {
    maker::Kind kind = maker::Kind::Labelling;
    QString file, picture, saveAsPath, package, folder, language;
    bool confirmAnswer = true;
    QString noTo;  // a question holding these words is answered no
    QStringList told, asked;

    Unsaved askUnsaved(QWidget*, const QString& name) override {
        asked << name;
        return Unsaved::Cancel;
    }
    std::optional<maker::Kind> chooseKind(QWidget*) override { return kind; }
    QString openFile(QWidget*, const QString&) override { return file; }
    QString choosePicture(QWidget*) override { return picture; }
    QString openPackage(QWidget*) override { return package; }
    QString chooseFolder(QWidget*, const QString&) override { return folder; }
    QString saveAs(QWidget*, const QString&, const QString&) override { return saveAsPath; }
    QString chooseLanguage(QWidget*) override { return language; }
    bool confirm(QWidget*, const QString& question) override {
        asked << question;
        return confirmAnswer && (noTo.isEmpty() || !question.contains(noTo));
    }
    void tell(QWidget*, const QString& message) override { told << message; }
};

class MakerTest : public ScreenTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    QString ownFolder() const { return home_.path() + "/data/brindlemark/activities"; }
    // The titles of the screens the entries of `menu` captioned `caption` open, one a line
    // ("greyed" for one that opens nothing): one title when the activity is in its place.
    static QString opens(int menu, const QString& caption);
    // Every file under her scratch home, by its path there, to see what was written.
    QStringList filesWritten() const;
    // Focusable controls of the window that a screen reader could not tell apart: those with
    // no accessible name and those whose name another has.
    QStringList unnamedOrAlike() const;
    // The Maker's problems with her draft, once `--check` has judged the same file alike: the
    // same problems at the same places, in the file's words.
    const std::vector<maker::FieldProblem>& judged();
    // A field of the window by its object name.
    template <class W>
    W* field(const char* name) {
        W* w = window->findChild<W*>(name);
        EXPECT_TRUE(w) << name;
        return w;
    }

    std::unique_ptr<maker::MakerWindow> window;
    ScriptedDialogs* dialogs = nullptr;

  private:
    QTemporaryDir home_, drafts_;
    QByteArray dataHome_, configHome_;
};
