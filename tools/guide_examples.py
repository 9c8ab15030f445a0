#!/usr/bin/env python3
"""Takes the example activity files out of the Teachers' Guide and reads each one.

Every example stands in the guide as <pre class="activity" data-file="NAME.toml">...</pre>.
Each is written to FOLDER/NAME.toml, exactly as a teacher copying it from the browser gets it,
and read with tomllib, so that an example which is not TOML, which lacks what its kind needs,
or which is named like a shipped activity (and so would replace it), is caught before a teacher
copies it. The program's own checker runs on the folder too.

    guide_examples.py GUIDE.html FOLDER

Prints one line per problem, GUIDE:LINE: NAME: message, and exits with 1 if there was any.
"""
import html.parser
import pathlib
import sys
import tomllib

KINDS = {"labelling", "sorting", "passage", "questions", "truefalse"}


class Examples(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.found = []  # (name, text, line)
        self._open = None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "pre" and "activity" in (attrs.get("class") or "").split():
            self._open = (attrs.get("data-file") or "", self.getpos()[0], [])

    def handle_data(self, data):
        if self._open:
            self._open[2].append(data)

    def handle_endtag(self, tag):
        if tag == "pre" and self._open:
            name, line, parts = self._open
            self.found.append((name, "".join(parts), line))
            self._open = None


def problems_of(activity):
    """What a reader of activity files would refuse, as far as the file alone tells."""
    def text(table, key):
        return isinstance(table.get(key), str) and table[key].strip() != ""

    if not text(activity, "topic"):
        yield "no topic"
    for key in ("title", "instruction"):
        if key in activity and not text(activity, key):
            yield f"an empty {key}"
    if "menu" in activity and activity["menu"] not in range(1, 6):
        yield "menu is not 1 to 5"
    kind = activity.get("kind")
    if kind not in KINDS:
        yield f"unknown kind {kind!r}"
    items = {"labelling": "label", "sorting": "word", "passage": "passage",
             "questions": "question", "truefalse": "statement"}.get(kind)
    entries = activity.get(items, [])
    if not entries:
        yield f"no [[{items}]]"
    if kind == "labelling":
        if not text(activity, "picture"):
            yield "no picture"
        for label in entries:
            points = [label.get("at")] + ([label["line_to"]] if "line_to" in label else [])
            if not text(label, "word") or any(
                    not (isinstance(p, list) and len(p) == 2 and all(isinstance(v, int) for v in p))
                    for p in points):
                yield f"label {label.get('word')!r} needs a word and points [x, y]"
    elif kind == "sorting":
        columns = activity.get("columns", [])
        if not 2 <= len(columns) <= 5 or len(set(columns)) != len(columns):
            yield "columns must be two to five different headings"
        for word in entries:
            if not text(word, "text") or word.get("column") not in columns:
                yield f"word {word.get('text')!r} has no column of the list"
    elif kind == "passage":
        if len(entries) > 4 or (len(entries) > 1 and not all(text(p, "option") for p in entries)):
            yield "one to four passages, each with an option when there are several"
        for passage in entries:
            body = passage.get("text", "")
            if "[" not in body or body.count("[") != body.count("]"):
                yield f"passage {passage.get('option')!r} has no [gap] or an unclosed one"
    elif kind == "questions":
        for question in entries:
            answers = question.get("answers", [])
            if not text(question, "text") or not 2 <= len(answers) <= 4 or \
                    question.get("right") not in answers:
                yield f"question {question.get('text')!r}: two to four answers, the right one among them"
    elif kind == "truefalse":
        for statement in entries:
            if not text(statement, "text") or not isinstance(statement.get("true"), bool):
                yield f"statement {statement.get('text')!r} needs text and true = true or false"
    if len(entries) > (40 if kind in ("labelling", "sorting") else 50):
        yield "too many entries"


def main(guide, folder):
    parser = Examples()
    parser.feed(pathlib.Path(guide).read_text(encoding="utf-8"))
    out = pathlib.Path(folder)
    out.mkdir(parents=True, exist_ok=True)
    failures = []
    names, kinds = set(), set()
    # A teacher who saves an example under a shipped file's name replaces that activity.
    shipped = {f.name.lower() for f in (pathlib.Path(guide).parent / "activities").glob("*.toml")}
    for name, body, line in parser.found:
        def fail(message):
            failures.append(f"{guide}:{line}: {name}: {message}")
        if not name.endswith(".toml") or "/" in name or name in names:
            fail("data-file must be a new plain file name ending in .toml")
            continue
        if name.lower() in shipped:
            fail("an example must not be named like a shipped activity, which it would replace")
        names.add(name)
        (out / name).write_text(body, encoding="utf-8")
        try:
            activity = tomllib.loads(body)
        except tomllib.TOMLDecodeError as error:
            fail(f"not TOML: {error}")
            continue
        kinds.add(activity.get("kind"))
        for problem in problems_of(activity):
            fail(problem)
    if KINDS - kinds:
        failures.append(f"{guide}: no example of {', '.join(sorted(KINDS - kinds))}")
    print("\n".join(failures) or f"{len(names)} examples in {out}, each read")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
