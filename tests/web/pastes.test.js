// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Seeded random pastes into the fields, then a click: each gives a message
// box or a list, never a script error, and exactly what the native core
// gives for the texts the fields then hold (sent as UTF-8, as on Linux).

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { FieldText, NativeAnswers, NearlyValid, Random } from './core-cases.js';
import { closeWindow, control, launch, openPage, openWindow, showTab } from './support.js';

const Pastes = 240;
const tabs = {
    study: { tab: 'tbStudy', button: 'btnShow', fields: ['edtCharNotify', 'edtCharWrite'] },
    beacon: { tab: 'tabBeacon', button: 'btniBeacon', fields: ['edtiBeaconUUID', 'edtiBeaconMajor', 'edtiBeaconMinor'] },
};

let browser, page, errors;
before(async () => {
    browser = await launch();
    ({ page, errors } = await openPage(browser));
});
after(() => browser.close());

test(`${Pastes} seeded pastes, each a rejection or a list as the native core has it`, async () => {
    const random = Random(18);
    const seen = [];
    let shownTab = 'tbStudy';
    for (let i = 0; i < Pastes; ++i) {
        const near = NearlyValid(random);
        const { tab, button, fields } = near.study ? tabs.study : tabs.beacon;
        if (tab !== shownTab)
            await showTab(page, (shownTab = tab));
        if (near.study)
            await page.selectOption('#cbUUIDType', { index: near.uuidType });
        for (const [index, field] of fields.entries()) {
            const text = random.below(3) === 0 ? FieldText(random, control(field).maxLength) : near.texts[index];
            await page.focus(`#${field}`);
            await page.keyboard.press('Control+A');
            await page.keyboard.insertText(text); // as a paste does: one insertion, cut at the limit
            if (text === '')
                await page.keyboard.press('Delete');
        }
        const values = await page.evaluate((ids) => ids.map((id) => document.getElementById(id).value), fields);
        values.forEach((value, index) => assert.ok(value.length <= control(fields[index]).maxLength, value));
        await page.click(`#${button}`);
        const shown = await openWindow(page);
        await closeWindow(page);
        seen.push({ study: near.study, uuidType: near.uuidType, values, shown, focus: await page.evaluate(() => document.activeElement.id) });
    }
    assert.deepEqual(errors, [], 'no script error');

    const native = NativeAnswers(seen.map(({ study, uuidType, values }) =>
        ({ study, uuidType, fields: values.map((value) => Buffer.from(value, 'utf8')) })));
    const kinds = [0, 0];
    seen.forEach(({ values, shown, focus, study }, index) => {
        const { kind, result } = native[index];
        kinds[kind] += 1;
        const text = result.toString('utf8');
        const expected = kind === 0
            ? { lines: text.split('\n').slice(0, -1), text: undefined, focus: study ? 'btnShow' : 'btniBeacon' }
            : { lines: undefined, text: text.slice(text.indexOf('\n') + 1),
                focus: text.slice(0, text.indexOf('\n')) || (study ? 'btnShow' : 'btniBeacon') };
        assert.deepEqual({ lines: shown.lines, text: shown.text, focus }, expected, `paste ${index}: ${JSON.stringify(values)}`);
    });
    assert.ok(kinds[0] > 10 && kinds[1] > 10, `lists and rejections both: ${kinds}`);
});
