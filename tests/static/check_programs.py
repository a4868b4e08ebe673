#!/usr/bin/env python3
"""What Windows checks when it loads the shipped programs, read from the
PE files themselves: Wine does not refuse what Windows XP would.

- every import comes from a DLL that Windows takes from its system folder
  whatever the search path: one of its KnownDLLs on every version from XP
  to 11, or comctl32 through the manifest's common-controls dependency;
- every import is in the reviewed list (xp_imports.txt) with a version no
  newer than Windows XP SP3; the subsystem and OS versions are at most 5.1;
- manifest 1 (RT_MANIFEST) is there in the commonly used form: the
  execution level asked for, uiAccess false, the supportedOS ids of Vista to
  10/11, common controls 6 and system DPI awareness (dpiAware true under
  asm.v3 windowsSettings, nothing per monitor);
- the first icon group holds the images named for the program: 'two16' a
  32 x 32 and a 16 x 16 of 16 colours (the launcher's), 'scaled' one of
  32 bits for each size Windows asks for from 100 % to 200 % (16 to 48) and
  256 x 256 for Explorer's large views.

    check_programs.py OBJDUMP WRESTOOL IMPORTS_LIST PROGRAM=LEVEL=ICONS...
"""
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

ALLOWED = {'2000', 'XP', 'XP-SP1', 'XP-SP2', 'XP-SP3', 'crt'}
KNOWN = ALLOWED | {'Vista', '7', '8', '8.1', '10'}
ASM_V1 = '{urn:schemas-microsoft-com:asm.v1}'
ASM_V3 = '{urn:schemas-microsoft-com:asm.v3}'
COMPAT = '{urn:schemas-microsoft-com:compatibility.v1}'
WINDOWS_SETTINGS = '{http://schemas.microsoft.com/SMI/2005/WindowsSettings}'
SUPPORTED_OS = {
    '{e2011457-1546-43c5-a5fe-008deee3d3f0}': 'Vista',
    '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}': '7',
    '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}': '8',
    '{1f676c76-80e1-4239-95bb-83d0f6d0da78}': '8.1',
    '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}': '10/11',
}
# KnownDLLs from XP to 11 (msvcrt on XP as a dependency of the listed ones,
# listed by name from Vista on), and ntdll, which the system maps into every
# process before anything else. version.dll, for one, left the list with
# Windows 7: a program that imported it would load one planted beside it.
KNOWN_DLLS = {'ntdll.dll', 'kernel32.dll', 'user32.dll', 'gdi32.dll', 'advapi32.dll', 'shell32.dll', 'ole32.dll',
              'msvcrt.dll'}
THROUGH_MANIFEST = {'comctl32.dll'}
COMMON_CONTROLS = {'type': 'win32', 'name': 'Microsoft.Windows.Common-Controls', 'version': '6.0.0.0',
                   'publicKeyToken': '6595b64144ccf1df', 'language': '*'}


def read_list(path):
    reviewed = {}
    for number, line in enumerate(open(path, encoding='utf-8'), 1):
        fields = line.split('#', 1)[0].split()
        if not fields:
            continue
        if len(fields) < 2 or fields[1] not in KNOWN or '!' not in fields[0]:
            raise SystemExit(f'{path}:{number}: expected "dll!function version", got {line.strip()!r}')
        reviewed[fields[0].lower()] = fields[1]
    return reviewed


def pe_facts(objdump, program):
    """The imports as dll!function (lower-case dll) and the header's versions."""
    text = subprocess.run([objdump, '-p', program], check=True, capture_output=True, text=True).stdout
    imports, dll = [], None
    for line in text.splitlines():
        named = re.match(r'\s*DLL Name: (\S+)', line)
        if named:
            dll = named.group(1).lower()
            continue
        if dll is None or not line.strip():
            continue
        entry = re.match(r'\s+[0-9a-f]+\s+(\d+)\s+(\S+)\s*$', line)
        if entry:
            imports.append(f'{dll}!{entry.group(2)}')
        elif re.match(r'\s+[0-9a-f]+\s+<none>', line) or 'Ordinal' in line:
            imports.append(f'{dll}!{line.strip()}')  # by ordinal: never reviewed
        elif not line.startswith('\tvma:'):
            dll = None  # the import tables have ended
    header = dict(re.findall(r'^(\w+Version)\s+(\d+)$', text, re.M))
    return imports, header


def check_imports(program, imports, header, reviewed, faults):
    for dll in sorted({name.split('!', 1)[0] for name in imports}):
        if dll not in KNOWN_DLLS | THROUGH_MANIFEST:
            faults.append(f'{program}: imports from {dll}, which Windows may look for beside the program')
    for name in sorted(set(imports)):
        version = reviewed.get(name.lower())
        if version is None:
            faults.append(f'{program}: imports {name}, which is not in the reviewed list')
        elif version not in ALLOWED:
            faults.append(f'{program}: imports {name}, which needs Windows {version}')
    for kind in ('Subsystem', 'OSystem'):
        major, minor = int(header.get(f'Major{kind}Version', 99)), int(header.get(f'Minor{kind}Version', 99))
        if (major, minor) > (5, 1):
            faults.append(f'{program}: {kind} version {major}.{minor} is above 5.1')


def resource(wrestool, program, kind, name=None):
    args = [wrestool, '-x', '--raw', f'--type={kind}'] + ([f'--name={name}'] if name else [])
    return subprocess.run(args + [program], check=True, capture_output=True).stdout


def list_resources(wrestool, program, kind):
    text = subprocess.run([wrestool, '-l', f'--type={kind}', program], check=True, capture_output=True,
                          text=True).stdout
    return re.findall(r'--name=(\S+)', text)


def check_manifest(wrestool, program, level, faults):
    def fault(text):
        faults.append(f'{program}: manifest: {text}')

    names = list_resources(wrestool, program, 24)
    if names != ['1']:
        return fault(f'expected one RT_MANIFEST resource named 1, found {names}')
    data = resource(wrestool, program, 24, 1)
    # Windows XP's parser is strict: plain UTF-8 text, declared as such.
    if not data.startswith(b'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'):
        fault(f'does not start with the UTF-8 XML declaration (starts {data[:12]!r})')
    root = ET.fromstring(data)
    if root.tag != ASM_V1 + 'assembly' or root.get('manifestVersion') != '1.0':
        fault(f'root is {root.tag} version {root.get("manifestVersion")}')

    requested = root.findall(f'{ASM_V3}trustInfo/{ASM_V3}security/{ASM_V3}requestedPrivileges/'
                             f'{ASM_V3}requestedExecutionLevel')
    if len(requested) != 1:
        fault(f'{len(requested)} requestedExecutionLevel elements under asm.v3 trustInfo')
    else:
        got = (requested[0].get('level'), requested[0].get('uiAccess'))
        if got != (level, 'false'):
            fault(f'execution level {got}, expected ({level!r}, \'false\')')

    ids = [e.get('Id') for e in root.findall(f'{COMPAT}compatibility/{COMPAT}application/{COMPAT}supportedOS')]
    if sorted(ids) != sorted(SUPPORTED_OS):
        fault(f'supportedOS {ids}, expected those of {", ".join(SUPPORTED_OS.values())}')

    controls = [e.attrib for e in root.iter(ASM_V1 + 'assemblyIdentity')
                if e.get('name') == COMMON_CONTROLS['name']]
    if len(controls) != 1:
        fault(f'{len(controls)} dependencies on common controls')
    else:
        wanted = dict(COMMON_CONTROLS)
        got = {key: controls[0].get(key) for key in wanted}
        if got != wanted or controls[0].get('processorArchitecture') not in ('x86', '*'):
            fault(f'common controls dependency {controls[0]}')
        dependency = root.find(f'{ASM_V1}dependency/{ASM_V1}dependentAssembly/{ASM_V1}assemblyIdentity')
        if dependency is None or dependency.get('name') != COMMON_CONTROLS['name']:
            fault('common controls are not under dependency/dependentAssembly')

    # System DPI awareness, which Vista to 11 read and XP ignores; per-monitor
    # awareness would ask the windows to lay themselves out anew on each monitor.
    aware = [(e.tag, (e.text or '').strip()) for e in root.iter()
             if e.tag.rsplit('}', 1)[-1] in ('dpiAware', 'dpiAwareness')]
    declared = root.findall(f'{ASM_V3}application/{ASM_V3}windowsSettings/{WINDOWS_SETTINGS}dpiAware')
    if aware != [(WINDOWS_SETTINGS + 'dpiAware', 'true')] or len(declared) != 1:
        fault(f'DPI awareness {aware}, expected one dpiAware "true" under asm.v3 application/windowsSettings')


# The first icon group's images as (width, height, colours, bits), in their
# order; 0 stands for 256 and for "more than 256 colours".
ICONS = {
    'two16': [(32, 32, 16, 4), (16, 16, 16, 4)],
    'scaled': [(size % 256, size % 256, 0, 32) for size in (16, 20, 24, 32, 40, 48, 256)],
}


def check_icon(wrestool, program, icons, faults):
    names = list_resources(wrestool, program, 14)
    if not names:
        return faults.append(f'{program}: no icon group')
    # The first icon group (in resource order) is the one Explorer shows.
    group = resource(wrestool, program, 14, names[0])
    count = group[4] | group[5] << 8
    entries = [group[6 + 14 * i:6 + 14 * (i + 1)] for i in range(count)]
    sizes = [(e[0], e[1], e[2], e[6] | e[7] << 8) for e in entries]
    if sizes != ICONS[icons]:
        faults.append(f'{program}: icon group {names[0]} has (width, height, colours, bits) {sizes}, '
                      f'expected {ICONS[icons]}')


def main(objdump, wrestool, list_path, *programs):
    reviewed = read_list(list_path)
    faults = []
    for argument in programs:
        program, level, icons = argument.rsplit('=', 2)
        imports, header = pe_facts(objdump, program)
        if not imports:
            faults.append(f'{program}: no imports read (objdump output not understood)')
        check_imports(program, imports, header, reviewed, faults)
        check_manifest(wrestool, program, level, faults)
        check_icon(wrestool, program, icons, faults)
        print(f'{program}: {len(set(imports))} imports, subsystem {header.get("MajorSubsystemVersion")}.'
              f'{header.get("MinorSubsystemVersion")}, {level}')
    for fault in faults:
        print('FAULT', fault)
    return 1 if faults else 0


if __name__ == '__main__':
    if len(sys.argv) < 5:
        raise SystemExit(__doc__)
    sys.exit(main(*sys.argv[1:]))
