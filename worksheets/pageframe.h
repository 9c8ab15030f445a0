#pragma once
// The frame every sheet shares: the title, "Name" and "Date", the instruction, the program's
// name at the foot, and the flow of the sheet's parts down at most two pages. All lengths are
// the device's own units; `pt` turns points into them.
#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace worksheets {

constexpr double kTextPoints = 12;  // the least size of any text a pupil reads
constexpr double kBankPoints = 14;  // the word bank
constexpr double kTitlePoints = 20;
constexpr double kFootPoints = 8;  // the program's name
constexpr int kMaxPages = 2;       // pages of one sheet

class PageFrame {
  public:
    PageFrame(QPainter& painter, QPagedPaintDevice& device);

    double pt(double points) const { return points * dpi_ / 72.0; }
    QFont font(double points, bool bold = false) const;

    // Starts a sheet on a page of its own: its header, and the flow just below it.
    void startSheet(const QString& title, const QString& instruction, bool answers);
    // Makes room for a part `height` high: on the sheet's next page when this one is full.
    // The part then starts at `y()`.
    void need(double height);
    void advance(double height) { y_ += height; }

    double y() const { return y_; }
    double left() const { return 0; }
    double width() const { return page_.width(); }
    // What is left of this page below the flow, and of a whole page.
    double roomLeft() const { return bottom() - y_; }
    double fullRoom() const { return bottom(); }  // a following page's, which has no header
    // Whether parts of these heights, each kept whole, fit in the pages the sheet has left.
    bool fits(const std::vector<double>& heights) const;

    // Text wrapped at words within `width`, from the flow's left edge plus `indent`; its
    // height. Drawn only when `draw`.
    double text(const QString& text, const QFont& font, double indent, double width,
                bool draw = true, int align = 0);
    double textHeight(const QString& s, const QFont& f, double width) const;

    QPainter& painter;

  private:
    double bottom() const;
    void newPage();
    void foot();

    QPagedPaintDevice& device_;
    double dpi_;
    QRectF page_;
    double y_ = 0;
    double bodyTop_ = 0;
    int pageOfSheet_ = 0;
    bool firstPage_ = true;
};

}  // namespace worksheets
