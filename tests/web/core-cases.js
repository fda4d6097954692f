// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Cases for the core as the page sends them, answered by the native core
// (web-core-cases) in the bytes of the page's module (ui/web/wasm/PageResult.h).

import { spawnSync } from 'node:child_process';
import { coreCasesPath } from './support-paths.js';

// A case: { study: true, uuidType, fields: [notify, write] } or
// { study: false, fields: [uuid, major, minor] }, each field a Buffer.
const line = ({ study, uuidType, fields }) =>
    [study ? `S${uuidType}` : 'B', ...fields.map((field) => field.toString('hex'))].join('\t');

// The native answers: { kind, result } each, result a Buffer.
export function NativeAnswers(cases) {
    const run = spawnSync(coreCasesPath, { input: cases.map(line).join('\n') + '\n', maxBuffer: 1 << 28 });
    if (run.status !== 0)
        throw new Error(`web-core-cases failed: ${run.stderr}`);
    const answers = [];
    for (let at = 0; at < run.stdout.length;) {
        const end = run.stdout.indexOf(10, at);
        const [kind, size] = run.stdout.subarray(at, end).toString().split(' ').map(Number);
        answers.push({ kind, result: run.stdout.subarray(end + 1, end + 1 + size) });
        at = end + 1 + size;
    }
    return answers;
}

// A small generator (mulberry32) that starts where it is told, so that a
// failing case comes back.
export function Random(start) {
    let state = start >>> 0;
    const next = () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
    const below = (n) => Math.floor(next() * n);
    return { below, pick: (items) => items[below(items.length)] };
}

// Texts near the accepted ones and far from them: hex digits either case,
// dashes, spaces and control characters at the ends, non-ASCII, junk.
export function FieldText(random, maxLength) {
    const pieces = ['0', '1', '9', 'a', 'F', 'f', 'G', '-', ' ', '\t', '\u0001', '\u007f', 'é', '中', '😀', '"', '\\'];
    const valid = ['FFE1', '0000', '04d2', '10123', '65535', '65536', '0000FFE1-0000-1000-8000-00805F9B34FB',
        '0000ffe2-0000-1000-8000-00805f9b34fb', '00001000800000805F9B34FB0000FFE0', ''];
    const kind = random.below(4);
    if (kind === 0)
        return random.pick(valid);
    if (kind === 1) { // a valid text with one piece changed or added
        const text = [...random.pick(valid)];
        text.splice(random.below(text.length + 1), random.below(2), random.pick(pieces));
        return text.join('');
    }
    const length = kind === 2 ? random.below(8) : maxLength + random.below(8);
    return Array.from({ length }, () => random.pick(pieces)).join('');
}

// Texts the checks mostly accept: hex UUIDs in either case, with or
// without dashes, pairs that differ in a digit or two, adjacent or not,
// and Major and Minor values in both modes, edges included.
export function NearlyValid(random) {
    const hex = (count) => Array.from({ length: count }, () => '0123456789ABCDEFabcdef'[random.below(22)]).join('');
    const dashed = (digits) => (random.below(2) ? digits
        : `${digits.slice(0, 8)}-${digits.slice(8, 12)}-${digits.slice(12, 16)}-${digits.slice(16, 20)}-${digits.slice(20)}`);
    const changed = (digits) => {
        const out = [...digits];
        const first = random.below(out.length);
        const flip = (at) => { out[at] = out[at] === 'A' ? 'B' : 'A'; };
        const changes = random.below(4);
        if (changes >= 1)
            flip(first);
        if (changes >= 2)
            flip(random.below(2) ? Math.min(first + 1, out.length - 1) : random.below(out.length));
        if (changes >= 3)
            flip(random.below(out.length));
        return out.join('');
    };
    const value = () => random.pick([hex(4), String(random.below(70000)).padStart(5, '0'), '0000', '00000',
        '65535', '65536', 'FFFF']);
    if (random.below(2)) {
        const uuidType = random.below(2);
        const notify = uuidType ? hex(32) : hex(4);
        return { study: true, uuidType, texts: uuidType ? [dashed(notify), dashed(changed(notify))] : [notify, hex(4)] };
    }
    return { study: false, texts: [dashed(hex(32)), value(), value()] };
}
