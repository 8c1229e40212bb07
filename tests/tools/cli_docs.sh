#!/bin/bash
# The command line against its documentation:
#  - `rotacle-sim --version` (and `rotacle --version`, without a display)
#    print the project version and exit with 0;
#  - every subcommand of `rotacle-sim --help` has its section in the manual
#    page, and every long option of the program and of each subcommand is
#    described in its section;
#  - the bash completion offers exactly the subcommands, and exactly the long
#    options of the subcommand on the line.
# usage: cli_docs.sh VERSION ROTACLE-SIM MANPAGE.1.in COMPLETION [ROTACLE]
set -u
version=$1 sim=$2 manpage=$3 completion=$4 gui=${5:-}
failed=0
problem() {
    echo "$*" >&2
    failed=1
}

check_version() {  # PROGRAM NAME
    local out code=0
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" --version) || code=$?
    [[ $code -eq 0 ]] || problem "$2 --version exits with $code"
    [[ $out == "$2 $version" ]] || problem "$2 --version prints '$out', not '$2 $version'"
}
check_version "$sim" rotacle-sim
[[ -z $gui ]] || check_version "$gui" rotacle

# The long options that `rotacle-sim [SUBCOMMAND] --help` lists, one a line.
long_options() {
    "$sim" "$@" --help | grep -o -e '--[a-z][a-z-]*' | sort -u
}
subcommands=$("$sim" --help | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 && /^  [a-z]/ { print $1 }')
[[ -n $subcommands ]] || problem "rotacle-sim --help lists no subcommands"

# The manual page with its \- written as -, and one section of it.
man_text=$(sed 's/\\-/-/g' "$manpage")
section() {
    awk -v head=".SH $1" '$0 == head { on = 1; next } /^\.SH / { on = 0 } on' <<<"$man_text"
}

# What the completion offers for the words given, the last one being completed.
offered() {
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _rotacle_sim
             printf "%s\n" "${COMPREPLY[@]}" | sort -u' completion "$completion" rotacle-sim "$@"
}

[[ $(offered "") == "$(sort -u <<<"$subcommands")" ]] ||
    problem "completion offers the subcommands '$(offered "" | xargs)', --help lists '$(xargs <<<"$subcommands")'"

for sub in "" $subcommands; do
    options=$(long_options $sub)
    if [[ -z $sub ]]; then
        text=$(section "GENERAL OPTIONS"; section "SCRIPT MODE")
    else
        text=$(section "${sub^^}")
        [[ -n $text ]] || problem "the manual page has no section ${sub^^}"
    fi
    for option in $options; do
        [[ -n $sub && $option == --help ]] && continue  # described once, under GENERAL OPTIONS
        grep -qE -e "$option([^a-z-]|\$)" <<<"$text" ||
            problem "the manual page does not describe rotacle-sim ${sub:+$sub }$option"
    done
    got=$(offered $sub --)
    [[ $got == "$options" ]] ||
        problem "completion of 'rotacle-sim ${sub:+$sub }--' offers '$(xargs <<<"$got")', --help lists '$(xargs <<<"$options")'"
done
exit $failed
