#!/usr/bin/env python3
"""Checks shipped Windows programs against what a clean Windows 7 offers and
what the programs promise (docs/windows-rules.md):

  windows_rules.py <program>...           one line per fault; exit 1 on any
  windows_rules.py --imports <program>    its imports, one "dll!function" a line

Each .exe must be a GUI program; each program, .exe or .dll, must import
only from DLLs a clean Windows 7 has, and none of the functions below that
Windows 7 lacks; each .exe must carry its manifest (resource 24, id 1): Common Controls
6.0, system DPI awareness, Windows 7 to 11 as supported systems, and no
execution level (which would switch off the virtualized writes of ORVAN.INI).
Read from the files' own headers, so nothing here needs Windows or Wine.
"""
import struct
import sys
import xml.etree.ElementTree as ET

# DLLs of a clean Windows 7 that programs of this kind may use, and our own.
WINDOWS7_DLLS = {
    'advapi32.dll', 'comctl32.dll', 'comdlg32.dll', 'gdi32.dll', 'imm32.dll', 'kernel32.dll',
    'mpr.dll', 'msvcrt.dll', 'ole32.dll', 'oleaut32.dll', 'rasapi32.dll', 'shell32.dll',
    'shlwapi.dll', 'user32.dll', 'uxtheme.dll', 'version.dll', 'winmm.dll', 'winspool.drv',
    'ws2_32.dll', 'wsock32.dll',
    'ornhook.dll',
}

# Functions of the DLLs above that Windows 7 lacks, with the first system
# that has them, as Microsoft's reference page of each ("Minimum supported
# client") gives it. Short on purpose: the calls a toolchain or a change of
# ours is likely to bring in.
NOT_ON_WINDOWS7 = {
    'kernel32.dll': {
        'AddDllDirectory': '8', 'CopyFile2': '8', 'CreateFile2': '8',
        'GetCurrentThreadStackLimits': '8', 'GetOverlappedResultEx': '8',
        'GetSystemTimePreciseAsFileTime': '8', 'GetThreadDescription': '10 1607',
        'InitializeSynchronizationBarrier': '8', 'PrefetchVirtualMemory': '8',
        'QueryUnbiasedInterruptTimePrecise': '10', 'RemoveDllDirectory': '8',
        'SetDefaultDllDirectories': '8', 'SetThreadDescription': '10 1607',
        'WaitOnAddress': '8', 'WakeByAddressAll': '8', 'WakeByAddressSingle': '8',
    },
    'user32.dll': {
        'AdjustWindowRectExForDpi': '10 1607', 'EnableMouseInPointer': '8',
        'EnableNonClientDpiScaling': '10 1607', 'GetDpiForSystem': '10 1607',
        'GetDpiForWindow': '10 1607', 'GetPointerInfo': '8', 'GetPointerType': '8',
        'GetSystemMetricsForDpi': '10 1607', 'GetThreadDpiAwarenessContext': '10 1607',
        'LogicalToPhysicalPointForPerMonitorDPI': '8.1',
        'PhysicalToLogicalPointForPerMonitorDPI': '8.1',
        'SetProcessDpiAwarenessContext': '10 1703', 'SetThreadDpiAwarenessContext': '10 1607',
        'SystemParametersInfoForDpi': '10 1607',
    },
}

ASM_V1 = '{urn:schemas-microsoft-com:asm.v1}'
ASM_V3 = '{urn:schemas-microsoft-com:asm.v3}'
COMPATIBILITY = '{urn:schemas-microsoft-com:compatibility.v1}'
WINDOWS_SETTINGS = '{http://schemas.microsoft.com/SMI/2005/WindowsSettings}'
COMMON_CONTROLS_6 = {
    'type': 'win32', 'name': 'Microsoft.Windows.Common-Controls', 'version': '6.0.0.0',
    'processorArchitecture': '*', 'publicKeyToken': '6595b64144ccf1df',
}
SUPPORTED_OS = {
    '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}': 'Windows 7',
    '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}': 'Windows 8',
    '{1f676c76-80e1-4239-95bb-83d0f6d0da78}': 'Windows 8.1',
    '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}': 'Windows 10 and 11',
}
RT_MANIFEST = 24
IMAGE_SUBSYSTEM_WINDOWS_GUI = 2


class Image:
    """The parts of a PE file read here: kind, subsystem, imports, resources."""

    def __init__(self, path):
        with open(path, 'rb') as f:
            self.data = f.read()
        header = struct.unpack_from('<I', self.data, 0x3C)[0]
        if self.data[:2] != b'MZ' or self.data[header:header + 4] != b'PE\0\0':
            raise ValueError('not a Windows program')
        sections, optional_size = struct.unpack_from('<H12xH', self.data, header + 6)
        optional = header + 24
        magic = struct.unpack_from('<H', self.data, optional)[0]
        if magic not in (0x10B, 0x20B):
            raise ValueError('neither PE32 nor PE32+')
        self.wide = magic == 0x20B
        self.subsystem = struct.unpack_from('<H', self.data, optional + 68)[0]
        directories = optional + (112 if self.wide else 96)
        count = struct.unpack_from('<I', self.data, directories - 4)[0]
        self.directories = [struct.unpack_from('<II', self.data, directories + 8 * i)
                            for i in range(count)]
        table = optional + optional_size
        self.sections = []
        for i in range(sections):
            virtual_size, address, raw_size, raw = struct.unpack_from(
                '<8xIIII', self.data, table + 40 * i)
            self.sections.append((address, max(virtual_size, raw_size), raw))

    def offset(self, rva):
        for address, size, raw in self.sections:
            if address <= rva < address + size:
                return rva - address + raw
        raise ValueError(f'address {rva:#x} in no section')

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b'\0', start)].decode('ascii')

    def imports(self):
        """(dll, function) pairs; a function imported by ordinal is '#n'."""
        rva, size = self.directories[1] if len(self.directories) > 1 else (0, 0)
        found = []
        at = self.offset(rva) if size else None
        while at is not None:
            lookup, _, _, name, thunks = struct.unpack_from('<IIIII', self.data, at)
            if name == 0:
                break
            dll = self.text(name).lower()
            entry = self.offset(lookup or thunks)
            step, ordinal = (8, 1 << 63) if self.wide else (4, 1 << 31)
            while True:
                value = struct.unpack_from('<Q' if self.wide else '<I', self.data, entry)[0]
                if value == 0:
                    break
                found.append((dll, f'#{value & 0xFFFF}' if value & ordinal
                              else self.text((value & 0x7FFFFFFF) + 2)))
                entry += step
            at += 20
        return found

    def resource(self, kind, number):
        """The bytes of resource kind/number (its first language), or None."""
        rva, size = self.directories[2] if len(self.directories) > 2 else (0, 0)
        if not size:
            return None
        root = self.offset(rva)

        def entry(directory, wanted):
            named, numbered = struct.unpack_from('<12xHH', self.data, directory)
            for i in range(named + numbered):
                ident, target = struct.unpack_from('<II', self.data, directory + 16 + 8 * i)
                if wanted is None or (not ident & 0x80000000 and ident == wanted):
                    return target
            return None

        at = root
        for wanted in (kind, number, None):
            target = entry(at, wanted)
            if target is None:
                return None
            at = root + (target & 0x7FFFFFFF)
        data_rva, data_size = struct.unpack_from('<II', self.data, at)
        start = self.offset(data_rva)
        return self.data[start:start + data_size]


def manifest_faults(manifest):
    if manifest is None:
        return ['carries no manifest']
    try:
        assembly = ET.fromstring(manifest)
    except ET.ParseError as error:
        return [f'its manifest is not XML: {error}']
    faults = []
    if assembly.tag != ASM_V1 + 'assembly':
        faults.append('its manifest is no assembly')
    if assembly.get('manifestVersion') != '1.0':
        faults.append('its manifest has no manifestVersion="1.0"')
    # Only a dependency names an assembly to load, and only this identity
    # is the Common Controls 6.0 Windows has (another token: no start).
    controls = [identity.attrib for identity in assembly.findall(
        f'{ASM_V1}dependency/{ASM_V1}dependentAssembly/{ASM_V1}assemblyIdentity')
        if identity.get('name') == 'Microsoft.Windows.Common-Controls']
    if len(controls) != 1 or any(controls[0].get(key) != value
                                 for key, value in COMMON_CONTROLS_6.items()):
        faults.append('its manifest does not ask for Common Controls 6.0 as Windows names it')
    settings = f'{ASM_V3}application/{ASM_V3}windowsSettings/'
    dpi = assembly.findall(f'{settings}{WINDOWS_SETTINGS}dpiAware')
    if [element.text.strip().lower() for element in dpi if element.text] != ['true']:
        faults.append('its manifest does not declare system DPI awareness')
    # Windows 10 1607 and later read dpiAwareness first and ignore dpiAware.
    if any(element.tag.split('}')[-1] == 'dpiAwareness'
           for element in assembly.iterfind(f'{settings}*')):
        faults.append('its manifest has a dpiAwareness, which Windows 10 reads instead of '
                      'dpiAware')
    declared = {element.get('Id', '').lower() for element in
                assembly.iter(COMPATIBILITY + 'supportedOS')}
    for guid, system in SUPPORTED_OS.items():
        if guid not in declared:
            faults.append(f'its manifest does not name {system} as supported')
    for element in assembly.iter():
        if element.tag.split('}')[-1] in ('trustInfo', 'requestedExecutionLevel'):
            faults.append('its manifest requests an execution level, which ends the '
                          'virtualized writes of ORVAN.INI')
            break
    return faults


def faults_of(path):
    try:
        image = Image(path)
        imports = image.imports()
    except (OSError, ValueError, struct.error) as error:
        return [str(error)]
    faults = []
    program = path.lower().endswith('.exe')
    # A DLL's subsystem is its loader's, never read.
    if program and image.subsystem != IMAGE_SUBSYSTEM_WINDOWS_GUI:
        faults.append(f'is no GUI program (subsystem {image.subsystem})')
    for dll in sorted({dll for dll, _ in imports} - WINDOWS7_DLLS):
        faults.append(f'imports from {dll}, which a clean Windows 7 lacks')
    for dll, function in imports:
        since = NOT_ON_WINDOWS7.get(dll, {}).get(function)
        if since:
            faults.append(f'imports {dll}!{function}, which came with Windows {since}')
    if program:
        faults += manifest_faults(image.resource(RT_MANIFEST, 1))
    return faults


def main(arguments):
    if arguments[:1] == ['--imports'] and len(arguments) == 2:
        for dll, function in Image(arguments[1]).imports():
            print(f'{dll}!{function}')
        return 0
    if not arguments:
        print(__doc__, file=sys.stderr)
        return 2
    failed = False
    for path in arguments:
        for fault in faults_of(path):
            print(f'{path.rsplit("/", 1)[-1]} {fault}')
            failed = True
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
