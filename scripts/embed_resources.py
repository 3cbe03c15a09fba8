#!/usr/bin/env python3
"""Writes a C++ source that holds the given resource files as byte arrays.

usage: embed_resources.py OUT.cpp RESOURCE_DIR FILE...
Each file is found under its path relative to RESOURCE_DIR, with "/" separators.
"""
import os
import sys


def main():
    out, root, names = sys.argv[1], sys.argv[2], sys.argv[3:]
    lines = ['// Generated at build time from resources/. Do not edit.',
             '#include "shell/resources.h"', '',
             'namespace kelvra::shell::detail {', 'namespace {']
    for i, name in enumerate(names):
        with open(os.path.join(root, name), 'rb') as f:
            data = f.read()
        lines.append(f'const unsigned char kData{i}[] = {{')
        for j in range(0, len(data), 24):
            lines.append(','.join(str(b) for b in data[j:j + 24]) + ',')
        lines.append('0};')
    lines.append('}  // namespace')
    lines.append('const EmbeddedResource kEmbeddedResources[] = {')
    for i, name in enumerate(names):
        size = os.path.getsize(os.path.join(root, name))
        quoted = name.replace('\\', '/').replace('"', '\\"')
        lines.append(f'  {{"{quoted}", kData{i}, {size}u}},')
    lines.append('  {nullptr, nullptr, 0u}};')
    lines.append('}  // namespace kelvra::shell::detail')
    text = '\n'.join(lines) + '\n'
    try:
        with open(out, 'r', encoding='utf-8') as f:
            if f.read() == text:
                return
    except OSError:
        pass
    with open(out, 'w', encoding='utf-8') as f:
        f.write(text)


if __name__ == '__main__':
    main()
