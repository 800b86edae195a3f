// The screen's cursor and a control's cursor show the same shape for every cursor number.
#include <QApplication>
#include <QCursor>
#include <QWidget>

#include "control_fixture.h"
#include "platform/qt/ControlHost.h"

namespace {

struct CursorCase {
  TCursor cursor;
  Qt::CursorShape shape;
};

const CursorCase kCursors[] = {
    {crArrow, Qt::ArrowCursor},
    {crCross, Qt::CrossCursor},
    {crIBeam, Qt::IBeamCursor},
    {crSizeAll, Qt::SizeAllCursor},
    {crSizeNESW, Qt::SizeBDiagCursor},
    {crSizeNS, Qt::SizeVerCursor},
    {crSizeNWSE, Qt::SizeFDiagCursor},
    {crSizeWE, Qt::SizeHorCursor},
    {crUpArrow, Qt::UpArrowCursor},
    {crHourGlass, Qt::WaitCursor},
    {crSQLWait, Qt::WaitCursor},
    {crNo, Qt::ForbiddenCursor},
    {crHSplit, Qt::SplitHCursor},
    {crVSplit, Qt::SplitVCursor},
    {crAppStart, Qt::BusyCursor},
    {crHelp, Qt::WhatsThisCursor},
    {crHandPoint, Qt::PointingHandCursor},
    {crNone, Qt::BlankCursor},
};

TEST_F(ControlTest, TheScreenCursorAndAControlsCursorShareOneMapping) {
  auto form = MakeForm(10, 10, 100, 100);
  for (const CursorCase& c : kCursors) {
    Screen->SetCursor(c.cursor);
    ASSERT_NE(QApplication::overrideCursor(), nullptr) << c.cursor;
    EXPECT_EQ(QApplication::overrideCursor()->shape(), c.shape) << c.cursor;
    form->SetCursor(c.cursor);
    EXPECT_EQ(HostWidget(form.get())->cursor().shape(), c.shape) << c.cursor;
  }
  Screen->SetCursor(crDefault);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
