# bash completion for favpage-cli                                  -*- shell-script -*-
# Options (as the program's own --help lists them), the values of --type, --style,
# --charset, --format and --source, files and folders where an option takes one, and for --folder
# the folders of the chosen source, which `favpage-cli --list-folders` prints (nothing
# when this favpage-cli has no such option).

# The options when the program cannot be asked.
_favpage_cli_known_options='--favorites --source --profile -o --out --type --charset --style
  --blank --no-blank --return-caption --return-url --no-return --title --title-file
  --settings --keep-script-links --format -q --quiet -v --verbose -h --help -V --version --folder
  --list-folders'
_favpage_cli_browsers='chrome chromium edge brave vivaldi firefox'

# A word as the shell would pass it: quotes and backslashes taken away, a leading ~ made
# $HOME. Nothing in it is run.
_favpage_cli_dequote() {
  local word=$1
  case $word in
    \'*\') word=${word:1:${#word}-2} ;;
    \"*\") word=${word:1:${#word}-2} ;;
    *) word=$(printf '%s' "$word" | sed 's/\\\(.\)/\1/g') ;;
  esac
  [[ $word == "~/"* ]] && word=$HOME/${word:2}
  printf '%s' "$word"
}

# The options of the program named by the command line's first word.
_favpage_cli_options() {
  local listed
  listed=$(LC_ALL=C "$1" --help 2>/dev/null |
    sed -n -e 's/^  \(-[[:alnum:]]\), \(--[[:alnum:]-]*\).*/\1 \2/p' \
      -e 's/^      \(--[[:alnum:]-]*\).*/\1/p')
  printf '%s' "${listed:-$_favpage_cli_known_options}"
}

# The folders of the source named on the command line so far, quoted for the shell.
_favpage_cli_folders() {
  local cur=$1 i word value source_args=() folder
  for ((i = 1; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    case $word in
      --favorites | --source | --profile | --settings)
        value=${COMP_WORDS[i + 1]}
        [[ $value == = ]] && value=${COMP_WORDS[i + 2]}
        source_args+=("$word" "$(_favpage_cli_dequote "$value")")
        ;;
    esac
  done
  while IFS= read -r folder; do
    [[ $folder == "$cur"* ]] && COMPREPLY+=("$(printf '%q' "$folder")")
  done < <("${COMP_WORDS[0]}" "${source_args[@]}" --list-folders 2>/dev/null)
}

_favpage_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  COMPREPLY=()
  # "--type=tr": bash may cut the word at "=" (COMP_WORDBREAKS) or not.
  if [[ $cur == = ]]; then
    cur=""
  elif [[ $prev == = && $COMP_CWORD -ge 2 ]]; then
    prev=${COMP_WORDS[COMP_CWORD - 2]}
  elif [[ $cur == --*=* ]]; then
    prev=${cur%%=*}
    cur=${cur#*=}
  fi
  case $prev in
    --type) mapfile -t COMPREPLY < <(compgen -W 'single tree' -- "$cur") ;;
    --style) mapfile -t COMPREPLY < <(compgen -W 'none 0 1 2' -- "$cur") ;;
    --charset) mapfile -t COMPREPLY < <(compgen -W 'shift_jis utf-8' -- "$cur") ;;
    --format) mapfile -t COMPREPLY < <(compgen -W 'classic html5' -- "$cur") ;;
    --source)
      mapfile -t COMPREPLY < <(compgen -W "$_favpage_cli_browsers" -- "$cur"; compgen -f -- "$cur")
      compopt -o filenames 2>/dev/null
      ;;
    --favorites)
      mapfile -t COMPREPLY < <(compgen -d -- "$cur")
      compopt -o filenames 2>/dev/null
      ;;
    -o | --out | --title-file | --settings)
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      compopt -o filenames 2>/dev/null
      ;;
    --folder) _favpage_cli_folders "$cur" ;;
    --profile | --return-caption | --return-url | --title) ;;
    *)
      if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(_favpage_cli_options "${COMP_WORDS[0]}")" -- "$cur")
      fi
      ;;
  esac
  return 0
}
complete -F _favpage_cli favpage-cli
