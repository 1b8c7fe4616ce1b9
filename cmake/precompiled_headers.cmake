# Precompiled headers: the Qt, GoogleTest and standard headers that nearly every file of a target
# parses are compiled once per target instead of once per file (a Qt Widgets file spends most
# of its compile time in them). -DTK_PRECOMPILED_HEADERS=OFF builds without them, which is how
# to check that every file still includes what it uses.
option(TK_PRECOMPILED_HEADERS "Compile the common headers once per target" ON)

set(TK_PCH_STANDARD <algorithm> <array> <cstdint> <functional> <memory> <optional> <string>
                    <utility> <vector>)
set(TK_PCH_QT_CORE <QByteArray> <QDir> <QFile> <QObject> <QString>)
set(TK_PCH_QT_GUI <QColor> <QImage> <QLinearGradient> <QPainter> <QPainterPath>)
set(TK_PCH_QT_WIDGETS <QApplication> <QDialog> <QEvent> <QGridLayout> <QGroupBox> <QHBoxLayout>
                      <QKeyEvent> <QLabel> <QPainter> <QPointer> <QPushButton> <QTimer>
                      <QVBoxLayout> <QWidget>)

# tk_precompile_headers(<target> [QT_CORE] [QT_GUI] [QT_WIDGETS] [QT_TEST] [GTEST])
function(tk_precompile_headers target)
  if(NOT TK_PRECOMPILED_HEADERS)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 1 TK "QT_CORE;QT_GUI;QT_WIDGETS;QT_TEST;GTEST" "" "")
  set(headers ${TK_PCH_STANDARD})
  if(TK_QT_CORE OR TK_QT_GUI OR TK_QT_WIDGETS OR TK_QT_TEST)
    list(APPEND headers ${TK_PCH_QT_CORE})
  endif()
  if(TK_QT_GUI)
    list(APPEND headers ${TK_PCH_QT_GUI})
  endif()
  if(TK_QT_WIDGETS)
    list(APPEND headers ${TK_PCH_QT_WIDGETS})
  endif()
  if(TK_QT_TEST)
    list(APPEND headers <QTest>)
  endif()
  if(TK_GTEST)
    list(APPEND headers <gtest/gtest.h>)
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
