// What waits beside the heirs on the web page: an unborn child (الحمل),
// heirs whose life is unknown (المفقود) and heirs whose sex is not clear
// (الخنثى المشكل), marked in a small form and kept by the C++ session
// (answer/case_session.h), which divides the case for every outcome and
// refuses in its own words; and the outcome, once it is known, recorded under
// the division. The form writes the case file's notation of what waits:
// {"unborn": {"as": "s", "most": 2}, "missing": {"path": "s", "count": 1},
//  "khuntha": {"as": "s", "count": 1, "hope": true}}.
'use strict';

const qismaruWaiting = (function () {
  const $ = (id) => document.getElementById(id);
  const cell = (tag, text) => qismaruViews.cell(tag, text);
  let page = null; // {pageCase, catalogue, tell, changed, answered}

  // The relations of the form's lists: any for the missing; for the unborn
  // and the khuntha only a man's relation that may be either sex, named with
  // the woman of the same relation where she inherits.
  function nameOf(relation, eitherSex) {
    return eitherSex ? relation.eitherName : relation.name;
  }

  function relationOptions(select, eitherSex) {
    const relations = page.catalogue.waiting.relations.filter((r) => !eitherSex || r.mayBeUnclear);
    select.replaceChildren(
      ...relations.map((r) => {
        const option = cell('option', nameOf(r, eitherSex));
        option.value = r.path;
        return option;
      })
    );
  }

  function relationName(path, eitherSex) {
    const relation = page.catalogue.waiting.relations.find((r) => r.path === path);
    return relation ? nameOf(relation, eitherSex) : path;
  }

  // The marks beside the entry list, as the session keeps them.
  function marks() {
    const waiting = JSON.parse(page.pageCase.waiting()) || {};
    const items = [];
    if (waiting.unborn) items.push('حمل: ' + relationName(waiting.unborn.as, true));
    if (waiting.missing) {
      items.push('مفقود: ' + relationName(waiting.missing.path, false) + ' (' + waiting.missing.count + ')');
    }
    if (waiting.khuntha) {
      items.push('خنثى مشكل: ' + relationName(waiting.khuntha.as, true) + ' (' + waiting.khuntha.count + ')');
    }
    return items;
  }

  // The form's fields as they stand, in the session's notation.
  function entered() {
    const waiting = {};
    const number = (id) => ($(id).value.trim() === '' ? null : Number($(id).value));
    if ($('unborn-on').checked) {
      waiting.unborn = { as: $('unborn-as').value };
      if (number('unborn-most') !== null) waiting.unborn.most = number('unborn-most');
      // The Maliki school gives before the birth what is certain only when asked.
      if ($('unborn-certain').checked) waiting.unborn.certain = true;
    }
    if ($('missing-on').checked) waiting.missing = { path: $('missing-relation').value, count: number('missing-count') };
    if ($('unclear-on').checked) {
      waiting.khuntha = { as: $('unclear-as').value, count: number('unclear-count'), hope: $('unclear-hope').checked };
    }
    return Object.keys(waiting).length ? waiting : null;
  }

  // Each part's fields follow its box, so that the keyboard passes over the
  // parts not marked.
  function enableParts() {
    const parts = {
      'unborn-on': ['unborn-as', 'unborn-most', 'unborn-certain'],
      'missing-on': ['missing-relation', 'missing-count'],
      'unclear-on': ['unclear-as', 'unclear-count', 'unclear-hope'],
    };
    for (const [box, fields] of Object.entries(parts)) for (const id of fields) $(id).disabled = !$(box).checked;
  }

  function fill(waiting) {
    const w = waiting || {};
    $('unborn-on').checked = !!w.unborn;
    if (w.unborn) $('unborn-as').value = w.unborn.as;
    $('unborn-most').value = w.unborn && w.unborn.most ? String(w.unborn.most) : '';
    $('unborn-certain').checked = !!(w.unborn && w.unborn.certain);
    $('missing-on').checked = !!w.missing;
    if (w.missing) $('missing-relation').value = w.missing.path;
    $('missing-count').value = String(w.missing ? w.missing.count : 1);
    $('unclear-on').checked = !!w.khuntha;
    if (w.khuntha) $('unclear-as').value = w.khuntha.as;
    $('unclear-count').value = String(w.khuntha ? w.khuntha.count : 1);
    $('unclear-hope').checked = w.khuntha ? w.khuntha.hope !== false : true;
    enableParts();
  }

  function open() {
    fill(JSON.parse(page.pageCase.waiting()));
    $('unborn-most').max = page.catalogue.waiting.mostChildren;
    $('unclear-count').max = page.catalogue.waiting.mostUnclear;
    $('missing-count').max = page.catalogue.maxCount;
    $('waiting-problem').hidden = true;
    $('waiting-dialog').showModal();
    $('unborn-on').focus();
  }

  function accept(event) {
    event.preventDefault();
    const set = JSON.parse(page.pageCase.setWaiting(JSON.stringify(entered())));
    if (!set.ok) {
      $('waiting-problem').textContent = set.message;
      $('waiting-problem').hidden = false;
      return;
    }
    $('waiting-dialog').close();
    page.changed();
  }

  // What waits, set from a link, in the calculator's option names:
  // &unborn=s&unbornMost=2&unbornCertain=1&missing=s=1&khuntha=s=1&khunthaHopeless=1, and
  // &outcome=1m once known. Nothing, or the session's refusal.
  function fromLink(link) {
    const waiting = {};
    const pathAndCount = (text) => {
      const [path, count] = text.split('=');
      return [path, count === undefined ? 1 : Number(count)];
    };
    if (link.has('unborn')) {
      waiting.unborn = { as: link.get('unborn') };
      if (link.has('unbornMost')) waiting.unborn.most = Number(link.get('unbornMost'));
      if (link.get('unbornCertain') === '1') waiting.unborn.certain = true;
    }
    if (link.has('missing')) {
      const [path, count] = pathAndCount(link.get('missing'));
      waiting.missing = { path, count };
    }
    if (link.has('khuntha')) {
      const [as, count] = pathAndCount(link.get('khuntha'));
      waiting.khuntha = { as, count, hope: link.get('khunthaHopeless') !== '1' };
    }
    if (!Object.keys(waiting).length) return null;
    const set = JSON.parse(page.pageCase.setWaiting(JSON.stringify(waiting)));
    return set.ok ? null : set.message;
  }

  function linkOf() {
    const waiting = JSON.parse(page.pageCase.waiting());
    if (!waiting) return '';
    let link = '';
    if (waiting.unborn) link += '&unborn=' + waiting.unborn.as;
    if (waiting.unborn && waiting.unborn.most) link += '&unbornMost=' + waiting.unborn.most;
    if (waiting.unborn && waiting.unborn.certain) link += '&unbornCertain=1';
    if (waiting.missing) link += '&missing=' + waiting.missing.path + '=' + waiting.missing.count;
    if (waiting.khuntha) {
      link += '&khuntha=' + waiting.khuntha.as + '=' + waiting.khuntha.count;
      if (waiting.khuntha.hope === false) link += '&khunthaHopeless=1';
    }
    if (waiting.outcome) link += '&outcome=' + encodeURIComponent(waiting.outcome);
    return link;
  }

  async function record() {
    const recorded = JSON.parse(page.pageCase.recordOutcome($('outcome-choice').value));
    if (!recorded.ok) await page.tell(recorded.message);
    else page.answered();
  }

  function connect(pageParts) {
    page = pageParts;
    relationOptions($('unborn-as'), true);
    relationOptions($('missing-relation'), false);
    relationOptions($('unclear-as'), true);
    for (const box of ['unborn-on', 'missing-on', 'unclear-on']) $(box).addEventListener('change', enableParts);
    $('mark-waiting').addEventListener('click', open);
    $('waiting-form').addEventListener('submit', accept);
    $('waiting-cancel').addEventListener('click', () => $('waiting-dialog').close());
    $('record-outcome').addEventListener('click', record);
  }

  return { connect, marks, fromLink, linkOf };
})();
