# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening Debian builds its packages with, as `dpkg-buildflags` gives it
# with DEB_BUILD_MAINT_OPTIONS=hardening=+all: a stack protector, fortified
# string and memory functions, format string checks, a read-only relocation
# table resolved at start-up (relro, bindnow) and a position-independent
# program (PIE); and on top of those, control-flow protection and stack clash
# protection, which later Debian releases add by default, so that a plain
# `hardening-check` passes every line. Applied to every target, so the core
# libraries the program links are hardened too.
#
# Not with the sanitizers: AddressSanitizer checks the same faults itself and
# clashes with the fortified functions.
option(THARNWELL_HARDEN "Build with the distribution's hardening flags (not with THARNWELL_SANITIZE)" ON)

# THARNWELL_HARDENED tells the tests whether the flags apply.
set(THARNWELL_HARDENED OFF)
if(THARNWELL_HARDEN AND NOT THARNWELL_SANITIZE)
    set(THARNWELL_HARDENED ON)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported()
    add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat
                        -Werror=format-security)
    include(CheckCXXCompilerFlag)
    check_cxx_compiler_flag(-fcf-protection THARNWELL_HAS_CF_PROTECTION)
    if(THARNWELL_HAS_CF_PROTECTION)
        add_compile_options(-fcf-protection)
        # The linker marks a program as protected only when every object in
        # it is; Debian 12's C start-up files carry no mark, though they only
        # call and return, so the program is marked here.
        add_link_options(LINKER:-z,ibt LINKER:-z,shstk)
    endif()
    # The fortified functions need the optimizer; without it glibc warns.
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
