// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The core compiled to WebAssembly (core/wasm), embedded in the page as
// base64: it needs nothing from the page and is made ready while the form
// is already on the screen. Texts go in as UTF-8 bytes, as on Linux.

const utf8 = new TextEncoder();
const fromUtf8 = new TextDecoder();
let core = null;
let loading = null;

export function LoadCore() {
    loading ??= (async () => {
        const text = document.getElementById('brenvikCore').textContent.trim();
        const bytes = Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
        const { instance } = await WebAssembly.instantiate(bytes, {});
        instance.exports._initialize();
        core = instance.exports;
        return core;
    })();
    return loading;
}

function PutFields(texts) {
    texts.forEach((text, index) => {
        const bytes = utf8.encode(text);
        const at = core.brenvik_field(index, bytes.length);
        new Uint8Array(core.memory.buffer, at, bytes.length).set(bytes);
    });
}

// A list as { lines }, a rejection as { message, focus } with the name of
// the field to focus ('' for none).
function Outcome(kind) {
    const text = fromUtf8.decode(new Uint8Array(core.memory.buffer, core.brenvik_result(), core.brenvik_result_size()));
    if (kind === 0)
        return { lines: text.split('\n').slice(0, -1) };
    const end = text.indexOf('\n');
    return { focus: text.slice(0, end), message: text.slice(end + 1) };
}

// Both need LoadCore() to have finished.
export function BuildStudyList(notify, write, uuidType) {
    PutFields([notify, write]);
    return Outcome(core.brenvik_study(uuidType));
}

export function BuildBeaconList(uuid, major, minor) {
    PutFields([uuid, major, minor]);
    return Outcome(core.brenvik_beacon());
}
