// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The core compiled to WebAssembly (wasm/), embedded in the page as
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

// Each input's value in its slot: an edit field's text, or a drop-down
// list's index.
function PutInputs(values) {
    values.forEach(({ text, index }, slot) => {
        if (text === undefined) {
            core.brenvik_choice(slot, index);
            return;
        }
        const bytes = utf8.encode(text);
        new Uint8Array(core.memory.buffer, core.brenvik_text(slot, bytes.length), bytes.length).set(bytes);
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

// What the action with this number makes of the values of its inputs;
// needs LoadCore() to have finished.
export function RunAction(action, values) {
    PutInputs(values);
    const kind = core.brenvik_run(action);
    if (kind < 0)
        throw new Error(`no action ${action}`);
    return Outcome(kind);
}
