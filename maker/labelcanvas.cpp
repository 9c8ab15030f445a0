#include "maker/labelcanvas.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <cmath>

#include "maker/editsession.h"
#include "maker/problemcheck.h"
#include "ui/pictures.h"

namespace maker {

using activityfiles::kClientHeight;
using activityfiles::kClientWidth;

namespace {

constexpr double kGripPixels = 8;       // how near a line's end a press takes it
constexpr double kBesideTwips = 300;    // between a new label's point and its box
constexpr double kScreenPixel = 15;     // one pixel of the pupils' screen, in twips
constexpr QSizeF kFirstBox{1215, 435};  // a box before any word is typed

double tenths(double v) {
    return std::round(v * 10) / 10;
}

QPointF tenths(QPointF p) {
    return {tenths(p.x()), tenths(p.y())};
}

}  // namespace

LabelCanvas::LabelCanvas(Context& context, QWidget* parent)
    : QWidget(parent), context_(context), editor_(new QLineEdit(this)) {
    setObjectName("labelCanvas");
    setAccessibleName(tr("Picture: click to add a label"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(400, 288);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    editor_->setObjectName("labelWord");
    editor_->setAccessibleName(tr("Word of the label"));
    editor_->setAlignment(Qt::AlignCenter);
    editor_->hide();
    connect(editor_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int i = editing_;
        context_.session.edit({"word", i}, [i, &text](Document& d) {
            if (i >= 0 && i < static_cast<int>(d.labels.size())) d.labels[i].word = text;
        });
    });
    connect(editor_, &QLineEdit::editingFinished, this, [this] {
        editing_ = -1;
        editor_->hide();
        setFocus();
    });
}

double LabelCanvas::twipScale() const {
    return std::min(width() / double(kClientWidth), height() / double(kClientHeight));
}

QPointF LabelCanvas::twipOrigin() const {
    const double k = twipScale();
    return {(width() - kClientWidth * k) / 2, (height() - kClientHeight * k) / 2};
}

QPointF LabelCanvas::fromPicture(QPointF p) const {
    if (!plan_ || pictureSize_.isEmpty()) return {};
    const double s = plan_->pictureRect.width() / pictureSize_.width();
    return twipOrigin() + (plan_->pictureRect.topLeft() + p * s) * twipScale();
}

QPointF LabelCanvas::toPicture(QPointF w) const {
    if (!plan_ || pictureSize_.isEmpty()) return {};
    const double s = plan_->pictureRect.width() / pictureSize_.width();
    return ((w - twipOrigin()) / twipScale() - plan_->pictureRect.topLeft()) / s;
}

double LabelCanvas::pixelsPerWidgetPixel() const {
    if (!plan_ || pictureSize_.isEmpty()) return 1;
    return pictureSize_.width() / (plan_->pictureRect.width() * twipScale());
}

void LabelCanvas::refresh() {
    const Document& d = context_.session.document();
    activityfiles::Activity a;
    a.kind = Kind::Labelling;
    a.topic = "-";
    a.instruction = d.instruction.isEmpty() ? QString("-") : d.instruction;
    a.picture = d.picture;
    a.folder = context_.check.folder();
    for (const Label& l : d.labels)
        a.labels.push_back({l.word, l.say, l.at, l.lineTo, {}, {}, {}, {}});
    activityfiles::Planned planned = activityfiles::plan(a);
    plan_.reset();
    if (!planned.drags.empty() && !planned.drags[0].picturePath.isEmpty())
        plan_ = std::move(planned.drags[0]);
    const QString path = plan_ ? plan_->picturePath : QString();
    if (path != picturePath_) {
        picturePath_ = path;
        pictureSize_ = path.isEmpty() ? QSize() : ui::judgePictureFile(path).size;
        shown_ = {};
    }
    if (selected_ >= static_cast<int>(d.labels.size())) select(-1);
    if (editing_ >= 0 && editing_ < static_cast<int>(d.labels.size())) {
        if (editor_->text() != d.labels[editing_].word) editor_->setText(d.labels[editing_].word);
        editor_->setGeometry(boxOnWidget(editing_).toAlignedRect());
    } else if (editing_ >= 0) {
        editing_ = -1;
        editor_->hide();
    }
    update();
}

void LabelCanvas::loadPicture() {
    if (!plan_ || picturePath_.isEmpty()) return;
    const double k = twipScale();
    const QSize want = (plan_->pictureRect.size() * k * devicePixelRatioF()).toSize();
    if (!shown_.isNull() && shown_.size() == want) return;
    QImageReader reader(picturePath_);
    reader.setScaledSize(want);
    shown_ = reader.read();
    shown_.setDevicePixelRatio(devicePixelRatioF());
}

QRectF LabelCanvas::boxOnWidget(int i) const {
    const Document& d = context_.session.document();
    if (!plan_ || i < 0 || i >= static_cast<int>(plan_->boxes.size())) return {};
    const double k = twipScale();
    QRectF box = plan_->boxes[i].box;
    if (box.isEmpty()) {
        // Off the picture: the layout leaves it unplaced, so it is drawn at its point.
        box = QRectF(QPointF(), plan_->wordSize);
        box.moveCenter(plan_->pictureRect.topLeft() +
                       d.labels[i].at * (plan_->pictureRect.width() / pictureSize_.width()));
    }
    QRectF r(twipOrigin() + box.topLeft() * k, box.size() * k);
    if (dragging_ == Grip::Box && i == selected_) r.translate(dragBy_);
    return r;
}

std::vector<bool> LabelCanvas::misplaced() const {
    return plan_ ? activityfiles::boardOf(*plan_).misplaced() : std::vector<bool>();
}

void LabelCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const double k = twipScale();
    p.fillRect(QRectF(twipOrigin(), QSizeF(kClientWidth, kClientHeight) * k), Qt::white);
    if (!plan_) {
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                   tr("Choose a picture, then click on it where each label should point."));
        return;
    }
    loadPicture();
    const QRectF pictureRect(twipOrigin() + plan_->pictureRect.topLeft() * k,
                             plan_->pictureRect.size() * k);
    p.drawImage(pictureRect, shown_);
    const Document& d = context_.session.document();
    const std::vector<bool> bad = misplaced();
    QFont font = ui::makeFont(activityfiles::kWordFont);
    font.setPixelSize(std::max(1, qRound(activityfiles::kWordFont.points * 20 * k)));
    p.setFont(font);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < static_cast<int>(d.labels.size()) && i < int(bad.size()); ++i) {
        const QRectF box = boxOnWidget(i);
        const bool flagged = std::find(flagged_.begin(), flagged_.end(), i) != flagged_.end();
        const QColor ink = bad[i] || flagged ? QColor(200, 0, 0) : QColor(Qt::black);
        if (d.labels[i].lineTo) {
            QPointF tip = fromPicture(*d.labels[i].lineTo);
            if (dragging_ == Grip::LineEnd && i == selected_) tip += dragBy_;
            const QPointF from(std::clamp(tip.x(), box.left(), box.right()),
                               std::clamp(tip.y(), box.top(), box.bottom()));
            p.setPen(QPen(ink, std::max(1.0, 2 * k * kScreenPixel / 15)));
            p.drawLine(from, tip);
            p.setBrush(ink);
            p.drawEllipse(tip, 3, 3);
        }
        p.setPen(QPen(ink, i == selected_ ? 3 : 1));
        p.setBrush(QColor(255, 255, 225));
        p.drawRect(box);
        p.drawText(box, Qt::AlignCenter, d.labels[i].word);
    }
}

void LabelCanvas::resizeEvent(QResizeEvent*) {
    if (editing_ >= 0) editor_->setGeometry(boxOnWidget(editing_).toAlignedRect());
}

std::pair<int, LabelCanvas::Grip> LabelCanvas::hit(QPointF w) const {
    const Document& d = context_.session.document();
    for (int i = static_cast<int>(d.labels.size()) - 1; i >= 0; --i) {
        if (d.labels[i].lineTo &&
            QLineF(fromPicture(*d.labels[i].lineTo), w).length() <= kGripPixels)
            return {i, Grip::LineEnd};
        if (boxOnWidget(i).contains(w)) return {i, Grip::Box};
    }
    return {-1, Grip::None};
}

void LabelCanvas::mousePressEvent(QMouseEvent* e) {
    setFocus();
    if (e->button() != Qt::LeftButton || !plan_ || context_.session.readOnly()) return;
    const auto [label, grip] = hit(e->position());
    if (label >= 0) {
        select(label);
        dragging_ = grip;
        pressedAt_ = e->position();
        dragBy_ = {};
        return;
    }
    const QPointF at = toPicture(e->position());
    if (QRectF(QPointF(), QSizeF(pictureSize_)).contains(at)) makeLabel(at);
}

void LabelCanvas::mouseMoveEvent(QMouseEvent* e) {
    if (dragging_ == Grip::None) return;
    dragBy_ = e->position() - pressedAt_;
    if (editing_ >= 0) editor_->setGeometry(boxOnWidget(editing_).toAlignedRect());
    update();
}

void LabelCanvas::mouseReleaseEvent(QMouseEvent*) {
    if (dragging_ == Grip::None) return;
    const Grip grip = std::exchange(dragging_, Grip::None);
    const QPointF by = std::exchange(dragBy_, {}) * pixelsPerWidgetPixel();
    if (!by.isNull()) move(selected_, grip, by);
    update();
}

void LabelCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
    const auto [label, grip] = hit(e->position());
    if (grip == Grip::Box) editWord(label);
}

void LabelCanvas::move(int i, Grip grip, QPointF by) {
    // A point stays on the picture: off it, the file could not say where it is.
    const QSizeF size(pictureSize_);
    const auto onPicture = [size](QPointF p) {
        return tenths(
            QPointF(std::clamp(p.x(), 0.0, size.width()), std::clamp(p.y(), 0.0, size.height())));
    };
    context_.session.edit({}, [i, grip, by, &onPicture](Document& d) {
        if (i < 0 || i >= static_cast<int>(d.labels.size())) return;
        Label& l = d.labels[i];
        if (grip == Grip::LineEnd && l.lineTo)
            l.lineTo = onPicture(*l.lineTo + by);
        else
            l.at = onPicture(l.at + by);
    });
}

void LabelCanvas::makeLabel(QPointF point) {
    const double s = plan_->pictureRect.width() / pictureSize_.width();
    const QSizeF size = plan_->boxes.empty() ? kFirstBox : plan_->wordSize;
    const QPointF tip = plan_->pictureRect.topLeft() + point * s;
    const double across = size.width() / 2 + kBesideTwips, down = size.height() / 2 + kBesideTwips;
    // Beside the point, on the first side where the box is clear of the others and inside
    // the picture.
    const QPointF sides[] = {{across, 0}, {-across, 0}, {0, down}, {0, -down}};
    QPointF centre = tip + sides[0];
    const labelling::Board board = activityfiles::boardOf(*plan_);
    for (const QPointF& side : sides) {
        QRectF box(QPointF(), size);
        box.moveCenter(tip + side);
        if (plan_->pictureRect.contains(box) &&
            board.under(activityfiles::boardRect(box), board.size()).empty()) {
            centre = tip + side;
            break;
        }
    }
    const QPointF at = tenths((centre - plan_->pictureRect.topLeft()) / s);
    int made = -1;
    context_.session.edit({}, [&](Document& d) {
        d.labels.push_back({QString(), QString(), at, tenths(point), {}, {}, {}});
        made = static_cast<int>(d.labels.size()) - 1;
    });
    select(made);
    editWord(made);
}

void LabelCanvas::editWord(int i) {
    if (i < 0 || context_.session.readOnly()) return;
    editing_ = i;
    editor_->setAccessibleName(tr("Word of label %1").arg(i + 1));
    editor_->setText(context_.session.document().labels[i].word);
    editor_->setGeometry(boxOnWidget(i).toAlignedRect());
    editor_->show();
    editor_->setFocus();
    editor_->selectAll();
}

void LabelCanvas::select(int label) {
    const bool changed = label != selected_;
    selected_ = label;
    update();
    if (changed) Q_EMIT selectionChanged();
}

void LabelCanvas::keyPressEvent(QKeyEvent* e) {
    if (selected_ < 0 || context_.session.readOnly()) return QWidget::keyPressEvent(e);
    const double step = (e->modifiers() & Qt::ShiftModifier ? 10 : 1) * kScreenPixel /
                        (plan_ ? plan_->pictureRect.width() / pictureSize_.width() : 1);
    switch (e->key()) {
        case Qt::Key_Delete:
        case Qt::Key_Backspace: {
            const int i = std::exchange(selected_, -1);
            context_.session.edit({}, [i](Document& d) { removeEntry(d, i); });
            return;
        }
        case Qt::Key_Left:
            return move(selected_, Grip::Box, {-step, 0});
        case Qt::Key_Right:
            return move(selected_, Grip::Box, {step, 0});
        case Qt::Key_Up:
            return move(selected_, Grip::Box, {0, -step});
        case Qt::Key_Down:
            return move(selected_, Grip::Box, {0, step});
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
            return editWord(selected_);
        default:
            QWidget::keyPressEvent(e);
    }
}

bool LabelCanvas::focusNextPrevChild(bool next) {
    const int n = static_cast<int>(context_.session.document().labels.size());
    const int to = selected_ + (next ? 1 : -1);
    // Past the last label (or the first), the keys leave the picture.
    if (n == 0 || (selected_ >= 0 && (to < 0 || to >= n))) return QWidget::focusNextPrevChild(next);
    if (editing_ >= 0) editor_->clearFocus();  // from a word being typed, to the next label
    setFocus();
    select(selected_ < 0 ? (next ? 0 : n - 1) : to);
    return true;
}

}  // namespace maker
