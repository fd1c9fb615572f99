#!/usr/bin/env bash
# The bash completion of vantuskin-cli as bash-completion runs it, against the
# built program: commands, a command's options and the skins' names.
# Usage: completion.sh BASH_COMPLETION COMPLETION_FILE CLI
set -u
source "$1"
source "$2"
name=$(basename "$3")
PATH=$(dirname "$3"):$PATH
function=$(complete -p "$name" | awk '{ print $3 }')
status=0
expect() {  # EXPECTED WORD... (the last word is the one completed)
    local expected=$1
    shift
    COMP_WORDS=("$name" "$@") COMP_CWORD=$# COMP_LINE="$name $*" COMPREPLY=()
    COMP_POINT=${#COMP_LINE}
    "$function"
    [ "${COMPREPLY[*]}" = "$expected" ] || { echo "$COMP_LINE<TAB>: \"${COMPREPLY[*]}\", not \"$expected\""; status=1; }
}
expect audit au
expect --skin export --sk
expect psblack export --skin ps
expect "--accessible" gallery --acc
expect "--from --fix" audit --strict --f
exit $status
