# Sourced by the console tools' tests. `verifie <options> <input> <expected>`
# runs "$programme" with the options on the input (through printf %b, so \r
# and \n in it are control characters) and stops the test with a report when
# its output differs from the expected text.
verifie() {
  obtenu=$(printf '%b' "$2" | "$programme" $1)
  if [ "$obtenu" != "$3" ]; then
    printf '%s %s\n--- input\n%s\n--- expected\n%s\n--- got\n%s\n' "$(basename "$programme")" "$1" "$2" "$3" "$obtenu" >&2
    exit 1
  fi
}
