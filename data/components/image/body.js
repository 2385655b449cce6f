VLMObject.create("image", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
  src: "<!-- property:src //-->",
  alt: "<!-- property:alt //-->",
  fit: "<!-- property:fit //-->",
  borderWidth: "<!-- property:borderWidth //-->",
  borderColor: "<!-- property:borderColor //-->",
  cursor: "<!-- property:cursor //-->"
}, {
  onclick: function () {
<!-- event:onclick //-->
  },
  ondblclick: function () {
<!-- event:ondblclick //-->
  },
  onmouseover: function () {
<!-- event:onmouseover //-->
  },
  onmouseout: function () {
<!-- event:onmouseout //-->
  }
});
