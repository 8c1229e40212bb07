#!/bin/bash
# The command line against its documentation:
#  - `rotacle-sim --version` (and `rotacle --version`, without a display)
#    print the project version and exit with 0;
#  - every subcommand of `rotacle-sim --help` has its section in the manual
#    page, and every long option of the program and of each subcommand is
#    described in its section;
#  - the bash completion offers exactly the subcommands, and exactly the long
#    options of the subcommand on the line;
#  - every script command that `rotacle-sim --help` lists heads an entry of
#    the manual page's script commands, and the manual page heads no entry
#    with a word that is no command.
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
# A list of `--help`: the first word of each line of the part headed HEAD.
help_list() {
    "$sim" --help | sed -n "/^$1:/,/^\$/p" | awk 'NR > 1 && /^  [a-z]/ { print $1 }'
}
subcommands=$(help_list Subcommands)
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
# The script commands: the first word of each entry head (the line after .TP)
# of the manual page's "Script commands", where every entry names commands.
verbs=$(help_list "Script commands")
[[ -n $verbs ]] || problem "rotacle-sim --help lists no script commands"
script_text=$(section "SCRIPT MODE" | awk '/^\.SS Script commands/ { on = 1; next } /^\.S[SH] / { on = 0 } on')
entry_heads=$(awk 'after_tp { print; after_tp = 0 } /^\.TP/ { after_tp = 1 }' <<<"$script_text")
for verb in $verbs; do
    grep -qE -e "(^\.B[IR]? \"?|[ \"])$verb([^a-z-]|\$)" <<<"$entry_heads" ||
        problem "the manual page's script commands have no entry for '$verb'"
done
for word in $(sed -E 's/^\.B[IR]? //; s/\\f[RBIP]//g' <<<"$entry_heads" | grep -oE '^"?[a-z][a-z-]*'); do
    grep -qx -e "${word#\"}" <<<"$verbs" || problem "the manual page's script command '${word#\"}' is not in --help"
done
exit $failed
