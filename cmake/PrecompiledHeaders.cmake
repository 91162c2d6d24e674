# Precompiled headers: the standard library, Qt and GoogleTest headers most of the tree includes,
# compiled once per header set and reused by every target of that set (REUSE_FROM). All targets
# share the global compile options, and the per-target definitions (QT_*_LIB, the test folders)
# are not looked at by these headers, so one compiled header serves the whole set.
#
# ravenpost_precompile_headers(<target> <set>) with <set> one of
#   std         the engine and its tools: standard library only, no Qt
#   qtcore      the layers on QtCore alone (data)
#   qt          the layers with widgets and printing, and the programs
#   gtest_std   the engine tests: GoogleTest and the standard library
#   gtest_qt    the Qt-side tests: GoogleTest and the qt set
# The first target of a set compiles its header; the others reuse it, so the first must be
# defined first (the order of add_subdirectory). GCC takes a compiled header only where every
# macro defined on the command line when it was compiled is defined the same way, so the first
# target of a set must have no compile definitions the others lack (a definition one file needs
# goes on that file). With RAVENPOST_PCH=OFF nothing is precompiled.
#
# ccache (CMAKE_CXX_COMPILER_LAUNCHER=ccache) caches translation units that use a precompiled
# header, and the header itself, only with the sloppiness below and, for GCC, -fpch-preprocess;
# both are arranged here when the launcher is ccache.

option(RAVENPOST_PCH "Precompile the standard library, Qt and GoogleTest headers" ON)

set(RAVENPOST_PCH_STD
    <algorithm>
    <array>
    <cmath>
    <cstddef>
    <cstdint>
    <cstdio>
    <cstring>
    <exception>
    <filesystem>
    <fstream>
    <functional>
    <map>
    <memory>
    <optional>
    <set>
    <span>
    <stdexcept>
    <string>
    <string_view>
    <utility>
    <vector>)

set(RAVENPOST_PCH_QTCORE
    ${RAVENPOST_PCH_STD}
    <QCoreApplication>
    <QDir>
    <QFile>
    <QFileInfo>
    <QObject>
    <QRegularExpression>
    <QString>
    <QStringList>
    <QTemporaryDir>
    <QTimer>)

set(RAVENPOST_PCH_QT
    ${RAVENPOST_PCH_QTCORE}
    <QElapsedTimer>
    <QProcess>
    <QImage>
    <QKeyEvent>
    <QPageSize>
    <QPainter>
    <QRectF>
    <QApplication>
    <QCheckBox>
    <QComboBox>
    <QDialog>
    <QGridLayout>
    <QGroupBox>
    <QHBoxLayout>
    <QHeaderView>
    <QLabel>
    <QLineEdit>
    <QMenu>
    <QProgressBar>
    <QPushButton>
    <QRadioButton>
    <QTableView>
    <QToolButton>
    <QVBoxLayout>
    <QWidget>
    <QPrinter>)

set(RAVENPOST_PCH_GTEST_STD ${RAVENPOST_PCH_STD} <gtest/gtest.h>)
set(RAVENPOST_PCH_GTEST_QT ${RAVENPOST_PCH_QT} <gtest/gtest.h>)

if(RAVENPOST_PCH AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
    # The compiled header is written anew in every fresh build folder, so its time stamps are
    # always recent; ccache must not refuse it for that.
    set(_ravenpost_sloppiness pch_defines time_macros include_file_mtime include_file_ctime)
    if(DEFINED ENV{CCACHE_SLOPPINESS})
        string(REPLACE "," ";" _ravenpost_env_sloppiness "$ENV{CCACHE_SLOPPINESS}")
        list(PREPEND _ravenpost_sloppiness ${_ravenpost_env_sloppiness})
        list(REMOVE_DUPLICATES _ravenpost_sloppiness)
    endif()
    string(JOIN "," _ravenpost_sloppiness ${_ravenpost_sloppiness})
    if(NOT CMAKE_CXX_COMPILER_LAUNCHER MATCHES "CCACHE_SLOPPINESS=")
        # A normal variable over the cache entry: the targets below take their launcher from it.
        set(CMAKE_CXX_COMPILER_LAUNCHER
            env CCACHE_SLOPPINESS=${_ravenpost_sloppiness}
            ${CMAKE_CXX_COMPILER_LAUNCHER})
    endif()
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options(-fpch-preprocess)
    endif()
endif()

function(ravenpost_precompile_headers target set)
    if(NOT RAVENPOST_PCH)
        return()
    endif()
    string(TOUPPER "${set}" upper)
    if(NOT DEFINED RAVENPOST_PCH_${upper})
        message(FATAL_ERROR "ravenpost_precompile_headers: no header set '${set}'")
    endif()
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        # GCC before 13 drops the "#pragma GCC diagnostic" lines of a precompiled header, and
        # libstdc++'s char_traits.h turns these off with them around its inlined copies; without
        # the pragmas they fire on plain string concatenation (std::string(a) + "\n").
        target_compile_options(${target} PRIVATE
            -Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread)
    endif()
    get_property(donor GLOBAL PROPERTY RAVENPOST_PCH_DONOR_${upper})
    if(donor)
        target_precompile_headers(${target} REUSE_FROM ${donor})
    else()
        target_precompile_headers(${target} PRIVATE ${RAVENPOST_PCH_${upper}})
        set_property(GLOBAL PROPERTY RAVENPOST_PCH_DONOR_${upper} ${target})
    endif()
endfunction()
