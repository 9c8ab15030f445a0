#pragma once
// What every part of the Maker's window reaches: the open activity, the dialogs, the
// library and the running check.
namespace maker {

class EditSession;
class Dialogs;
class LibraryLink;
class ProblemCheck;

struct Context {
    EditSession& session;
    Dialogs& dialogs;
    LibraryLink& library;
    ProblemCheck& check;
};

}  // namespace maker
