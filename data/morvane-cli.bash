# SPDX-FileCopyrightText: 2026 The Morvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# bash completion for morvane-cli: commands, then each command's options.
_morvane_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local commands="name birth number compare help"
    if [ "$COMP_CWORD" -eq 1 ]; then
        mapfile -t COMPREPLY < <(compgen -W "$commands --help --version" -- "$cur")
        return
    fi
    case $prev in
        --format) mapfile -t COMPREPLY < <(compgen -W "text csv json" -- "$cur"); return ;;
        --report) mapfile -t COMPREPLY < <(compgen -f -- "$cur"); return ;;
        --born | --suggest) return ;;
    esac
    local options="--format --help"
    case ${COMP_WORDS[1]} in
        name) options+=" --fold --fold=de --report" ;;
        birth | number) options+=" --report" ;;
        compare) options+=" --fold --fold=de --born --suggest --sort" ;;
        help) mapfile -t COMPREPLY < <(compgen -W "$commands" -- "$cur"); return ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    fi
}
complete -F _morvane_cli morvane-cli
