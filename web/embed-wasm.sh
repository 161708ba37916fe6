#!/bin/sh
# Writes the WebAssembly module's bytes as a script: a page opened from disk
# (file://) may load a script beside it, but not fetch the .wasm itself.
#   sh embed-wasm.sh qismaru.wasm qismaru.wasm.js
set -eu
{
    printf 'self.qismaruWasmBase64 = "'
    base64 -w0 "$1"
    printf '";\n'
} >"$2.part"
mv "$2.part" "$2"
