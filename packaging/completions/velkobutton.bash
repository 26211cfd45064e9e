# Bash completion for velkobutton: its commands, their options, the export
# formats, and project (.but), audio (.au) and page files where they belong.
_velkobutton() {
  local cur prev cmd
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD-1]}
  cmd=${COMP_WORDS[1]}
  local files=but options
  case "$prev" in
    --format)
      mapfile -t COMPREPLY < <(compgen -W "page preview segment input project resources" -- "$cur")
      return ;;
    --encoding)
      mapfile -t COMPREPLY < <(compgen -W "windows-1250 windows-1251 windows-1252 windows-1253 windows-1254 windows-1257" -- "$cur")
      return ;;
    --output | --wave | --name)
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      return ;;
  esac
  if [ "$COMP_CWORD" -eq 1 ]; then
    options="export publish audio help --help --version --register --verbose --minimized --maximized"
  else
    case "$cmd" in
      export) options="--format --output --encoding --runtime --no-runtime --help" ;;
      publish) options="--name --replace --runtime --no-runtime --help" ;;
      audio) options="--wave --help"; files=au ;;
      help)
        [ "$COMP_CWORD" -eq 2 ] && mapfile -t COMPREPLY < <(compgen -W "export publish audio help" -- "$cur")
        return ;;
      *) options="--register --verbose --minimized --maximized" ;;
    esac
  fi
  if [[ "$cur" == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    return
  fi
  # Publish's second word is a folder; every other word a file of its kind.
  local words
  words=$(compgen -d -- "$cur"; compgen -f -X "!*.$files" -- "$cur")
  [ "$COMP_CWORD" -eq 1 ] && words=$(compgen -W "export publish audio help" -- "$cur"; echo "$words")
  mapfile -t COMPREPLY <<<"$words"
  [ -z "${COMPREPLY[*]}" ] && COMPREPLY=()
  compopt -o filenames 2>/dev/null
  return 0
}
complete -F _velkobutton velkobutton
