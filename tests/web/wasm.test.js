// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Without a browser: the page's WebAssembly module against the native
// core, on generated cases, byte for byte. The fields are any bytes, not
// only UTF-8, as the C interface takes them.

import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { FieldText, NativeAnswers, NearlyValid, Random } from './core-cases.js';
import { path, wasmPath } from './support-paths.js';

const Cases = 20000;
const { actions } = JSON.parse(readFileSync(path('BRENVIK_WEB_FORM', 'web/form.json'), 'utf8'));

async function Module() {
    const { instance } = await WebAssembly.instantiate(readFileSync(wasmPath), {});
    instance.exports._initialize();
    return instance.exports;
}

// As the page runs a button's action: the texts, then for the study list
// the UUID type's index.
function Answer(core, { study, uuidType, fields }) {
    fields.forEach((field, slot) => {
        new Uint8Array(core.memory.buffer, core.brenvik_text(slot, field.length), field.length).set(field);
    });
    if (study)
        core.brenvik_choice(2, uuidType);
    const kind = core.brenvik_run(study ? actions.studyList : actions.beaconList);
    return { kind, result: Buffer.from(new Uint8Array(core.memory.buffer, core.brenvik_result(),
        core.brenvik_result_size())) };
}

test('the module imports nothing and exports the C interface', async () => {
    const module = new WebAssembly.Module(readFileSync(wasmPath));
    assert.deepEqual(WebAssembly.Module.imports(module), []);
    assert.deepEqual(WebAssembly.Module.exports(module).map(({ name }) => name).sort(), ['_initialize',
        'brenvik_choice', 'brenvik_result', 'brenvik_result_size', 'brenvik_run', 'brenvik_text', 'memory']);
});

test(`${Cases} generated cases: the same bytes as the native core`, async () => {
    const random = Random(20261209);
    const bytes = (text) => (random.below(8) === 0
        ? Buffer.from(Array.from({ length: random.below(40) }, () => random.below(256)))
        : Buffer.from(text, 'utf8'));
    const cases = Array.from({ length: Cases }, () => {
        const near = NearlyValid(random);
        const uuidType = near.study && random.below(8) === 0 ? random.pick([2, -1]) : near.uuidType;
        // Now and then one field replaced by anything at all.
        const texts = near.texts.map((text, i) => (random.below(6) === 0
            ? FieldText(random, !near.study && i > 0 ? 5 : 36) : text));
        return { study: near.study, uuidType, fields: texts.map(bytes) };
    });
    const core = await Module();
    const native = NativeAnswers(cases);
    assert.equal(native.length, Cases);
    const kinds = [0, 0];
    cases.forEach((which, index) => {
        const answer = Answer(core, which);
        kinds[answer.kind] += 1;
        if (answer.kind !== native[index].kind || !answer.result.equals(native[index].result))
            assert.fail(`case ${index}: ${JSON.stringify(which)}\nwasm: ${answer.result}\nnative: ${native[index].result}`);
    });
    assert.ok(kinds[0] > Cases / 50 && kinds[1] > Cases / 50, `both lists and rejections: ${kinds}`);
});
