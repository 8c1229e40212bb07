// The table for a screen reader and for the eye: every cell and command a
// real element with a name, role and state in the accessibility tree, the
// proposals and settlements said through a live region, and every text read
// against what lies under it at a contrast of at least 4.5:1.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { contrasts } from './contrast.mjs';
import { openTable, settled } from './harness.mjs';

const idle = async (page) => {
  await page.waitForFunction(() => !globalThis.rotacle.last.view.progressRun, { timeout: 15000 });
  await settled(page);
};

function flatten(node, out = []) {
  if (!node) return out;
  out.push(node);
  for (const c of node.children ?? []) flatten(c, out);
  return out;
}

test('names, roles and states in the accessibility tree, and the live region', async () => {
  const t = await openTable();
  const { page } = t;
  try {
    await page.evaluate(() => {
      globalThis.said = [];
      const region = document.querySelector('.announce');
      new MutationObserver(() => globalThis.said.push(region.textContent)).observe(region, { childList: true, characterData: true, subtree: true });
    });
    for (const n of [5, 17, 32, 0, 12, 19, 21, 4, 30, 15, 2, 8]) {
      await page.click(`.cell[data-number="${n}"]`);
      await idle(page);
      const said = await page.$eval('.announce', (e) => e.textContent);
      if (/(won|lost): stake .* on .*, bankroll/.test(said)) break;
    }
    assert.match(await page.$eval('.announce', (e) => e.textContent), /(won|lost): stake [\d.]+ on \w+, bankroll [\d.]+/);
    // Each spin is news of its own: one settlement and the proposal after it, never an old one again.
    const said = await page.evaluate(() => globalThis.said);
    assert.ok(said.some((s) => /^proposal: stake [\d.]+ on \w+$/.test(s)), said.join(' | '));
    for (const s of said) {
      assert.ok((s.match(/(won|lost):/g) ?? []).length <= 1, s);
      assert.ok((s.match(/proposal:/g) ?? []).length <= 1, s);
    }
    await page.click('.trend[data-field="Black"]');
    await settled(page);

    const nodes = flatten(await page.accessibility.snapshot({ interestingOnly: false }));
    const named = (role, name) => nodes.find((n) => n.role === role && n.name === name);
    assert.ok(named('button', '17, black'), 'a cell says its number and colour');
    assert.ok(named('button', '0, green'));
    assert.ok(named('button', '36, red'));
    assert.equal(named('button', 'trend: Black')?.pressed, true, 'a chosen trend is pressed');
    assert.equal(named('button', 'trend: Red')?.pressed, false);
    assert.ok(nodes.some((n) => n.role === 'button' && /^UNDO/.test(n.name)));
    assert.ok(named('button', 'help'));
    assert.ok(named('progressbar', 'run progress'));
    assert.ok(nodes.some((n) => n.role === 'list' && n.name === 'history'));
    const newest = await page.evaluate(() => globalThis.rotacle.last.view.strip[0].text);
    const red = [1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36].includes(Number(newest));
    const colour = newest === '0' ? 'green' : red ? 'red' : 'black';
    assert.ok(nodes.some((n) => n.role === 'listitem' && n.name === `${newest}, ${colour}`), 'the strip says the newest number');
    assert.ok(nodes.some((n) => /^bankroll [\d.]+$/.test(n.name)));
    // The board takes the keys as an application; the readouts stay outside it, to be read.
    const board = named('application', 'Rotacle 8.0');
    assert.ok(flatten(board).some((n) => n.name === '17, black'));
    assert.ok(!flatten(board).some((n) => /^bankroll/.test(n.name ?? '')));
    assert.ok(nodes.some((n) => /^stake [\d.]+ on \w+$/.test(n.name)), 'the stake tag says its field');
    const lamps = await page.evaluate(() => globalThis.rotacle.last.view.lamps);
    const lamp = nodes.find((n) => /^safe level lamp: (on|off)/.test(n.name));
    assert.equal(lamp?.name, lamps[1] ? 'safe level lamp: on (green)' : lamps[0] ? 'safe level lamp: off (red)' : undefined);
    // The keyboard starts at the board, and the focus is seen.
    await page.evaluate(() => document.querySelector('.stage').focus());
    await page.keyboard.press('Tab');
    const focus = await page.evaluate(() => {
      const e = document.activeElement;
      const s = getComputedStyle(e);
      return { number: e.dataset.number, outline: s.outlineStyle, width: parseFloat(s.outlineWidth) };
    });
    assert.equal(focus.number, '0');
    assert.ok(focus.outline !== 'none' && focus.width >= 1.5, JSON.stringify(focus));

    // The settings area's inputs read the caption beside them.
    await page.click('.cmd.settings');
    await settled(page);
    const open = flatten(await page.accessibility.snapshot({ interestingOnly: false }));
    for (const [role, name] of [['textbox', 'INITIAL BET'], ['combobox', 'GAME MODE'], ['checkbox', 'LA PARTAGE'],
      ['slider', 'SAFE LEVEL'], ['spinbutton', 'losses before the action'], ['textbox', 'SPINS'], ['button', 'APP']])
      assert.ok(open.some((n) => n.role === role && n.name === name), `${role} "${name}"`);

    // Every text on the table and in the settings reads at 4.5:1 or more.
    const low = (await page.evaluate(contrasts)).filter((c) => c.ratio < 4.5);
    assert.deepEqual(low, []);
  } finally {
    await t.close();
  }
});
